#include "platform/rapor/MetinYazici.h"
#include "platform/metin/Cp1254.h"
#include "platform/rapor/Satirlar.h"

#include <QDataStream>
#include <QFileDevice>

namespace Bant {

namespace {
// An empty line stands for each this much of vertical gap between two lines.
constexpr int kSatirAraligi = 240;
} // namespace

MetinSayfasi Metin_Sayfasi(const Sayfa& s) {
    MetinSayfasi m;
    m.solKenar = s.solKenar;
    int onceki = -1;
    for (const Satir& satir : Sayfa_Satirlari(s)) {
        MetinSatiri ms;
        if (onceki >= 0) ms.bosluk = qMax(0, (satir.ust - onceki) / kSatirAraligi);
        onceki = satir.alt;
        ms.hucreler.reserve(satir.hucreler.size());
        for (const SayfaOgesi* o : satir.hucreler) ms.hucreler.append({o->metin, o->alan.left(), o->alan.width(), o->hiza});
        m.satirlar.append(std::move(ms));
    }
    return m;
}

QDataStream& operator<<(QDataStream& d, const MetinSayfasi& s) {
    d << qint32(s.solKenar) << qint32(s.satirlar.size());
    for (const MetinSatiri& satir : s.satirlar) {
        d << qint32(satir.bosluk) << qint32(satir.hucreler.size());
        for (const MetinHucresi& h : satir.hucreler) d << h.metin << qint32(h.sol) << qint32(h.genislik) << qint32(h.hiza.toInt());
    }
    return d;
}

QDataStream& operator>>(QDataStream& d, MetinSayfasi& s) {
    qint32 sol = 0, satirSayisi = 0;
    d >> sol >> satirSayisi;
    s.solKenar = sol;
    s.satirlar.clear();
    for (qint32 i = 0; i < satirSayisi && d.status() == QDataStream::Ok; ++i) {
        qint32 bosluk = 0, hucreSayisi = 0;
        d >> bosluk >> hucreSayisi;
        MetinSatiri satir;
        satir.bosluk = bosluk;
        for (qint32 j = 0; j < hucreSayisi && d.status() == QDataStream::Ok; ++j) {
            MetinHucresi h;
            qint32 hsol = 0, genislik = 0, hiza = 0;
            d >> h.metin >> hsol >> genislik >> hiza;
            h.sol = hsol;
            h.genislik = genislik;
            h.hiza = Qt::Alignment::fromInt(hiza);
            satir.hucreler.append(std::move(h));
        }
        s.satirlar.append(std::move(satir));
    }
    return d;
}

QString Sabit_Sutunlu(const QList<MetinHucresi>& hucreler, int sol) {
    QString satir;
    for (const MetinHucresi& o : hucreler) {
        const QString& m = o.metin;
        const int n = static_cast<int>(m.size());
        int bas = (o.sol - sol) / MetinYazici::kKarakter;
        if (o.hiza & Qt::AlignRight)
            bas = (o.sol + o.genislik - sol) / MetinYazici::kKarakter - n;
        else if (o.hiza & Qt::AlignHCenter)
            bas = (o.sol + o.genislik / 2 - sol) / MetinYazici::kKarakter - n / 2;
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

void MetinYazici::satirYaz(const QString& satir) {
    if (hata_) return;
    if (s_.bosSatirlariGizle && satir.trimmed().isEmpty()) return;
    const QByteArray b = (s_.evrenselKod ? satir.toUtf8() : Cp1254::kodla(satir)) + "\r\n";
    hata_ = hedef_.aygit().write(b) != b.size();
}

void MetinYazici::yaz(const MetinSayfasi& s) {
    if (sayi_++ > 0) satirYaz(s_.sayfaAyiraci);
    for (const MetinSatiri& satir : s.satirlar) {
        for (int bosluk = satir.bosluk; bosluk > 0; --bosluk) satirYaz(QString());
        if (s_.alanAyiraci.isEmpty()) {
            satirYaz(Sabit_Sutunlu(satir.hucreler, s.solKenar));
            continue;
        }
        QStringList alanlar;
        for (const MetinHucresi& h : satir.hucreler) alanlar << h.metin;
        satirYaz(alanlar.join(s_.alanAyiraci));
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
