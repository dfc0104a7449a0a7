#include "ortak/TestOrtami.h"
#include "startup/Baslangic.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"

#include <QtTest>

class TstBaslat : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    int filtreAcildi_ = 0;
    std::shared_ptr<const Oturum> oturum_; // what the filter form was opened with

    // Runs the entry point; the exit status, or -1 when start-up completed.
    int calistir(const QString& satir) {
        BaslangicKancalari k;
        k.filtreFormuAc = [this](std::shared_ptr<const Oturum> o) {
            ++filtreAcildi_;
            oturum_ = std::move(o);
        };
        k.girisPenceresiAc = [] {}; // no test here asks for the login window
        try {
            Main(satir, k);
        } catch (const ProgramSonu& s) { return s.durum; }
        return -1;
    }
    QString satir(int kullanici, const QString& sifre = QStringLiteral("æ")) const {
        return QStringLiteral("DEMOFIRMA|%1|%2|sa|%3").arg(sunucu_->klasor()).arg(kullanici).arg(sifre);
    }

private slots:
    void init() {
        oturum_.reset();
        sunucu_ = std::make_unique<GeciciSunucu>();
        sistem_ = std::make_unique<SahteSistem>();
        kutular_ = std::make_unique<KayitliMesajlar>();
        filtreAcildi_ = 0;
        bolgeselAyarla();
    }
    void cleanup() {
        kutular_.reset();
        sistem_.reset();
        sunucu_.reset();
    }

    void basariliBaslangic() {
        QCOMPARE(calistir(satir(1)), -1);
        QCOMPARE(filtreAcildi_, 1);
        QVERIFY(kutular_->kutular.isEmpty());
        QVERIFY(oturum_ && oturum_->baglanti);
        QCOMPARE(oturum_->giris.VeriTabaniAdi, QStringLiteral("DEMOFIRMA"));
        QCOMPARE(oturum_->ayraclar.OndalikAyirac, QStringLiteral(","));
        QCOMPARE(oturum_->firma.AnaParaFormat, QStringLiteral("#,##0.00"));
        QCOMPARE(oturum_->kisitlar.IsyeriListesi, QString()); // the administrator sees every workplace
    }

    void yetkisizKullanici() {
        QCOMPARE(calistir(satir(3)), 1);
        QCOMPARE(filtreAcildi_, 0);
        QCOMPARE(kutular_->metinler(), QStringList{BaslangicMesaji::yetkiYok()});
        QCOMPARE(kutular_->kutular.first().simge, Simge::Bilgi);
    }

    void baglanilamazsaIkiMesaj_data() {
        sutunlar<QString, QByteArray>("sunucu", "girisler"); // "*": the test server, with this list of logins
        satirEkle("kapali port", "127.0.0.1,1", QByteArray());
        satirEkle("iki giris de reddedilir", "*", QByteArray("[SqlGirisleri]\nsa=gizli\n[Genel]\nEntegreGuvenlik=false\n"));
    }
    void baglanilamazsaIkiMesaj() {
        QFETCH(QString, sunucu);
        QFETCH(QByteArray, girisler);
        if (sunucu == u'*') {
            sunucu = sunucu_->klasor();
            QFile g(QDir(sunucu).filePath(QStringLiteral("Girisler.ini")));
            QVERIFY(g.open(QIODevice::WriteOnly));
            g.write(girisler);
        }
        QCOMPARE(calistir(QStringLiteral("DEMOFIRMA|%1|1|sa|æ").arg(sunucu)), 1);
        QCOMPARE(kutular_->kutular.size(), 2);
        QCOMPARE(kutular_->kutular.at(0).metin, BaslangicMesaji::baglanilamadi());
        QCOMPARE(kutular_->kutular.at(0).simge, Simge::Bilgi);
        QVERIFY(kutular_->kutular.at(1).metin.startsWith(QStringLiteral("Hata Ayrıntsı :")));
        QVERIFY(kutular_->kutular.at(1).metin.size() > QStringLiteral("Hata Ayrıntsı :").size());
        QCOMPARE(kutular_->kutular.at(1).simge, Simge::Yok);
        QCOMPARE(filtreAcildi_, 0);
    }

    void sqlGirisiReddedilinceEntegre() {
        QFile g(QDir(sunucu_->klasor()).filePath(QStringLiteral("Girisler.ini")));
        QVERIFY(g.open(QIODevice::WriteOnly | QIODevice::Truncate));
        g.write("[SqlGirisleri]\nsa=gizli\n[Genel]\nEntegreGuvenlik=true\n");
        g.close();
        // Only the integrated login can open this store (the next test refuses it too).
        QCOMPARE(calistir(satir(1, QStringLiteral("yanlis"))), -1);
        QVERIFY(oturum_);
        QVERIFY(kutular_->kutular.isEmpty());
    }
};

QTEST_MAIN(TstBaslat)
#include "tst_baslat.moc"
