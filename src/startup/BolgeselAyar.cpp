#include "startup/BolgeselAyar.h"
#include "startup/ProgramSonu.h"
#include "startup/Kayit.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"

#include <QLocale>

namespace {

const QString kAnahtar = QStringLiteral("Control Panel\\International");

QString oku(const char* ad) { return Kayit_Oku(Kok::HKEY_CURRENT_USER, kAnahtar, QString::fromLatin1(ad)); }
void yaz(const char* ad, const char* deger) {
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, kAnahtar, QString::fromLatin1(ad), QString::fromLatin1(deger));
}

} // namespace

Ayraclar Bolgesel_Ayar_Kontrol() {
    const bool uygun = oku("sDecimal") == QLatin1String(",") && oku("sThousand") == QLatin1String(".") &&
                       oku("sDate") == QLatin1String(".") && oku("sShortDate") == QLatin1String("dd.MM.yyyy");
    if (uygun) return {oku("sDecimal"), oku("sThousand")};

    const bool evet =
        MsgBoxEvetHayir(QStringLiteral("Programın Çalışabilmesi için Sistemin Ayarlanması Gerekiyor.") + u'\r' +
                        QStringLiteral("Eğer Onaylarsanız Bu ayarlar Yapılacaktır.") + u'\r' + QStringLiteral("Onaylıyormusunuz ?"));
    if (!evet) throw ProgramSonu{1};
    yaz("sDecimal", ",");
    yaz("sThousand", ".");
    yaz("sShortDate", "dd.MM.yyyy");
    yaz("sDate", ".");
    // A version word with its top bit set marks the old consumer line.
    const int surum = sistem().anaSurum();
    if (surum < 5) {
        MsgBox(QStringLiteral("Sistem Ayarlanız Tamamlandı.Bilgisayarınızın Yeniden Başlatılması Gerekiyor"), Simge::Bilgi);
        sistem().yenidenBaslatIste();
        throw ProgramSonu{1};
    }
    return {oku("sDecimal"), oku("sThousand")};
}

QString Kisa_Tarih_Bicimi() {
    const QString b = oku("sShortDate");
    return b.isEmpty() ? QStringLiteral("dd.MM.yyyy") : b;
}

QString Kisa_Tarih(const QDate& tarih) { return tarih.toString(Kisa_Tarih_Bicimi()); }

QString Uzun_Tarih_Bicimi() {
    // Turkish systems write the day without a leading zero and the weekday last.
    const QString b = oku("sLongDate");
    return b.isEmpty() ? QStringLiteral("d MMMM yyyy dddd") : b;
}

QString Uzun_Tarih(const QDate& tarih, const QString& bicim) { return QLocale(QLocale::Turkish, QLocale::Turkey).toString(tarih, bicim); }
