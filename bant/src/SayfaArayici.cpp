#include "bant/SayfaArayici.h"

namespace Bant {

void SayfaArayici::aranan(const QString& metin) {
    aranan_ = metin;
    kucuk_ = turkce_.toLower(metin);
}

bool SayfaArayici::eslesir(const SayfaOgesi& o) const {
    if (kucuk_.isEmpty() || o.tur != SayfaOgesi::Tur::Metin || o.metin.size() < kucuk_.size()) return false;
    return turkce_.toLower(o.metin).contains(kucuk_);
}

std::optional<SayfaArayici::Sonuc> SayfaArayici::bul(const QList<Sayfa>& sayfalar, Yer simdiki, bool geri) const {
    if (kucuk_.isEmpty() || sayfalar.isEmpty()) return std::nullopt;
    const int n = static_cast<int>(sayfalar.size());
    const bool gecerli = simdiki.sayfa >= 0 && simdiki.sayfa < n;
    int s = gecerli ? simdiki.sayfa : (geri ? n - 1 : 0);
    int o = gecerli ? simdiki.oge + (geri ? -1 : 1) : (geri ? static_cast<int>(sayfalar.at(s).ogeler.size()) - 1 : 0);
    bool dondu = false;
    // Every page once, and the starting page's other part at the end.
    for (int adim = 0; adim <= n; ++adim) {
        const QList<SayfaOgesi>& ogeler = sayfalar.at(s).ogeler;
        for (; geri ? o >= 0 : o < ogeler.size(); o += geri ? -1 : 1)
            if (eslesir(ogeler.at(o))) return Sonuc{{s, o}, dondu};
        if (geri) {
            dondu = dondu || s == 0;
            s = s == 0 ? n - 1 : s - 1;
            o = static_cast<int>(sayfalar.at(s).ogeler.size()) - 1;
        } else {
            dondu = dondu || s == n - 1;
            s = s == n - 1 ? 0 : s + 1;
            o = 0;
        }
    }
    return std::nullopt;
}

std::optional<SayfaArayici::Yer> SayfaArayici::ilk(const QList<Sayfa>& sayfalar, int ilkSayfa) const {
    for (int s = qMax(0, ilkSayfa); s < sayfalar.size(); ++s)
        for (int o = 0; o < sayfalar.at(s).ogeler.size(); ++o)
            if (eslesir(sayfalar.at(s).ogeler.at(o))) return Yer{s, o};
    return std::nullopt;
}

} // namespace Bant
