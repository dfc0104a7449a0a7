#include "platform/rapor/MetinYazici.h"
#include "platform/metin/Cp1254.h"
#include "platform/rapor/Satirlar.h"

#include <QFileDevice>

namespace Bant {

namespace {
// An empty line stands for each this much of vertical gap between two lines.
constexpr int kSatirAraligi = 240;
} // namespace

QString Sabit_Sutunlu(const QList<const SayfaOgesi*>& hucreler, int sol) {
    QString satir;
    for (const SayfaOgesi* o : hucreler) {
        const QString& m = o->metin;
        const int n = static_cast<int>(m.size());
        int bas = (o->alan.left() - sol) / MetinYazici::kKarakter;
        if (o->hiza & Qt::AlignRight)
            bas = (o->alan.left() + o->alan.width() - sol) / MetinYazici::kKarakter - n;
        else if (o->hiza & Qt::AlignHCenter)
            bas = (o->alan.left() + o->alan.width() / 2 - sol) / MetinYazici::kKarakter - n / 2;
        // Texts never run into each other: one blank at least between them.
        bas = qMax(bas, satir.isEmpty() ? 0 : static_cast<int>(satir.size()) + 1);
        satir = satir.leftJustified(bas, u' ') + m;
    }
    return satir;
}

MetinYazici::MetinYazici(const QString& dosya, MetinSecenekleri secenekler) : hedef_(dosya), s_(std::move(secenekler)) {
    hata_ = !hedef_.acik();
    if (!hata_ && s_.evrenselKod) hata_ = hedef_.aygit().write("\xEF\xBB\xBF") != 3;
}

void MetinYazici::yaz(const QString& satir) {
    if (hata_) return;
    if (s_.bosSatirlariGizle && satir.trimmed().isEmpty()) return;
    const QByteArray b = (s_.evrenselKod ? satir.toUtf8() : Cp1254::kodla(satir)) + "\r\n";
    hata_ = hedef_.aygit().write(b) != b.size();
}

void MetinYazici::sayfa(Sayfa&& s) {
    if (sayi_++ > 0) yaz(s_.sayfaAyiraci);
    int onceki = -1;
    for (const Satir& satir : Sayfa_Satirlari(s)) {
        if (onceki >= 0)
            for (int bosluk = (satir.ust - onceki) / kSatirAraligi; bosluk > 0; --bosluk) yaz(QString());
        onceki = satir.alt;
        if (s_.alanAyiraci.isEmpty()) {
            yaz(Sabit_Sutunlu(satir.hucreler, s.solKenar));
            continue;
        }
        QStringList alanlar;
        for (const SayfaOgesi* o : satir.hucreler) alanlar << o->metin;
        yaz(alanlar.join(s_.alanAyiraci));
    }
}

bool MetinYazici::bitir() {
    if (hata_) {
        hedef_.vazgec();
        return false;
    }
    return hedef_.tamamla();
}

} // namespace Bant
