#include "platform/sistem/AyarDeposu.h"
#include "startup/Kayit.h"

#include "TestYardimi.h"

#include <QFile>
#include <QtTest>

class TstAyarDeposu : public QObject {
    Q_OBJECT
private slots:
    void init() { QFile::remove(AyarDeposu::dosyaYolu(Kok::HKEY_CURRENT_USER)); }

    void gidisDonus_data() {
        sutunlar<QString, QString, QString>("anahtar", "ad", "deger");
        satirEkle("turkce harfler", "DEF_KARMENA", "DEF_SRVR", "ŞİRKET-SUNUCU\\ÇĞÜ");
        satirEkle("esittir ve noktali virgul", "Yazilim\\Alt Anahtar", "Deger", "a=b;c#d");
    }
    void gidisDonus() {
        QFETCH(QString, anahtar);
        QFETCH(QString, ad);
        QFETCH(QString, deger);
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, anahtar, ad, deger);
        QCOMPARE(Kayit_Oku(Kok::HKEY_CURRENT_USER, anahtar, ad), deger);
    }
};

QTEST_MAIN(TstAyarDeposu)
#include "tst_ayar_deposu.moc"
