#include "platform/sistem/AyarDeposu.h"
#include "startup/Kayit.h"

#include "TestYardimi.h"

#include <QFile>
#include <QLocale>
#include <QtTest>

class TstAyarDeposu : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(AyarDeposu::dosyaYolu(Kok::HKEY_CURRENT_USER)); }

    void gidisDonus_data() {
        sutunlar<QString, QString, QString>("anahtar", "ad", "deger");
        satirEkle("hatirlanan kullanici", "DEF_KARMENA", "DEF_KUL", "MUHASEBE");
        satirEkle("turkce harfler", "DEF_KARMENA", "DEF_SRVR", "ŞİRKET-SUNUCU\\ÇĞÜ");
        satirEkle("bos metin", "DEF_KARMENA", "DEF_KUL", "");
        satirEkle("ozel isaretler", "Control Panel\\International", "sDecimal", ",");
        satirEkle("esittir ve noktali virgul", "Yazilim\\Alt Anahtar", "Deger", "a=b;c#d");
    }
    void gidisDonus() {
        QFETCH(QString, anahtar);
        QFETCH(QString, ad);
        QFETCH(QString, deger);
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, anahtar, ad, deger);
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, anahtar, ad), deger);
    }

    void nulKarakterdeKesilir() {
        AyarDeposu::yaz(Kok::HKEY_CURRENT_USER, QStringLiteral("DEF_KARMENA"), QStringLiteral("DEF_KUL"),
                        QStringLiteral("ALİ") + QChar(u'\0') + QStringLiteral("çöp"));
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, QStringLiteral("DEF_KARMENA"), QStringLiteral("DEF_KUL")), QStringLiteral("ALİ"));
    }

    void kodSayfasiDisiKarakterSoruIsareti() {
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, QStringLiteral("DEF_KARMENA"), QStringLiteral("DEF_KUL"), QStringLiteral("Ωmega"));
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, QStringLiteral("DEF_KARMENA"), QStringLiteral("DEF_KUL")), QStringLiteral("?mega"));
    }

    // Until the program stores them, the regional values are the system's own.
    void bolgeselDegerlerSistemiYansitir() {
        const QLocale yerel = QLocale::system();
        const QString k = QStringLiteral("Control Panel\\International");
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sDecimal")), yerel.decimalPoint());
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sThousand")), yerel.groupSeparator());
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sShortDate")), yerel.dateFormat(QLocale::ShortFormat));
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sDecimal"), QStringLiteral(","));
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sDecimal")), QStringLiteral(","));
    }
};

QTEST_MAIN(TstAyarDeposu)
#include "tst_ayar_deposu.moc"
