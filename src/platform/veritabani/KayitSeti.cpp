#include "platform/veritabani/KayitSeti.h"
#include "bant/VeritabaniHatasi.h"

void KayitSeti::Close() {
    acikOlmali();
    acik_ = false;
    satirlar_.clear();
    adlar_.clear();
    sira_.clear();
    konum_ = 0;
}

void KayitSeti::Open(Baglanti& baglanti, const QString& sql) {
    if (acik_) Close();
    acilmamaNedeni_.clear();
    std::vector<QList<Deger>> satirlar;
    QStringList adlar;
    try {
        auto imlec = baglanti.sorgula(sql);
        QList<Deger> satir;
        while (imlec->sonraki(satir)) satirlar.push_back(satir);
        adlar = imlec->alanAdlari();
    } catch (const VeritabaniHatasi& h) {
        acilmamaNedeni_ = h.aciklama() + QStringLiteral(" [") + sql + u']';
        throw;
    }
    adlar_ = adlar;
    sira_.clear();
    for (int i = adlar_.size() - 1; i >= 0; --i) sira_.insert(adlar_.at(i).toLower(), i);
    satirlar_ = std::move(satirlar);
    konum_ = 0;
    acik_ = true;
}

void KayitSeti::acikOlmali() const {
    if (!acik_) throw VeritabaniHatasi(HataNo::NesneKapali, HataMetni::nesneKapali(), acilmamaNedeni_);
}

qint64 KayitSeti::RecordCount() const {
    acikOlmali();
    return static_cast<qint64>(satirlar_.size());
}

bool KayitSeti::Eof() const {
    acikOlmali();
    return konum_ >= static_cast<qsizetype>(satirlar_.size());
}

void KayitSeti::MoveNext() {
    if (Eof()) throw VeritabaniHatasi(HataNo::KayitYok, HataMetni::kayitYok());
    ++konum_;
}

Deger KayitSeti::Fields(const QString& ad) const {
    acikOlmali();
    const auto it = sira_.constFind(ad.toLower());
    if (it == sira_.constEnd()) throw VeritabaniHatasi(HataNo::AlanYok, HataMetni::alanYok());
    if (Eof()) throw VeritabaniHatasi(HataNo::KayitYok, HataMetni::kayitYok());
    return satirlar_.at(konum_).at(it.value());
}
