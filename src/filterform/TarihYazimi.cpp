#include "filterform/TarihYazimi.h"

#include <Qt>

bool TarihBicimle(int tus, const QString& tusMetni) { return tus != Qt::Key_Backspace && tusMetni != QLatin1String("."); }

QString Yili_Tamamla(const QString& metin, const QString& bugunKisaTarih) {
    if (metin.size() < 6) return {};
    return metin.left(6) + bugunKisaTarih.mid(6, 4);
}

TarihDuzeni Tarih_Duzenle(const QString& metin, int imlec, bool bicimle) {
    TarihDuzeni d;
    d.metin = metin;
    d.imlec = imlec;
    if (!bicimle) return d;
    QString rakamlar;
    for (QChar c : metin)
        if (c >= u'0' && c <= u'9') rakamlar += c;
    // The cursor jumps over the "/" about to be inserted.
    if (imlec == 2 || imlec == 5) ++d.imlec;
    const QString gun = rakamlar.left(2);
    const QString ay = rakamlar.mid(2, 2);
    const QString yil = rakamlar.mid(4, 4);
    const int g = gun.toInt();
    const int a = ay.toInt();
    if (!gun.isEmpty() && g > 31) d.mesaj = QStringLiteral("Gün alanını yanlış girdiniz.");
    if (!ay.isEmpty() && a > 12) d.mesaj = QStringLiteral("Ay alanını yanlış girdiniz.");
    if (!gun.isEmpty() && !ay.isEmpty()) {
        const bool otuzGun =
            ay == QLatin1String("04") || ay == QLatin1String("06") || ay == QLatin1String("09") || ay == QLatin1String("11");
        if ((ay == QLatin1String("02") && g > 29) || (otuzGun && g > 30)) d.mesaj = QStringLiteral("Gün alanını yanlış girdiniz.");
    }
    if (rakamlar.size() != 8 || d.mesaj.isEmpty()) {
        d.metin = gun;
        if (gun.size() == 2) d.metin += u'/';
        d.metin += ay;
        if (ay.size() == 2) d.metin += u'/';
        d.metin += yil;
        d.yaz = true;
        return d;
    }
    d.uyar = true;
    return d;
}
