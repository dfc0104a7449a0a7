#include "ortak/TestOrtami.h"
#include "startup/Veritabani.h"
#include "startup/GirisFormu.h"
#include "startup/LoginFrm.h"
#include "startup/ProgramSonu.h"
#include "startup/Metin.h"
#include "startup/SysInf.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "bant/Cp1254.h"
#include "platform/veritabani/Baglanti.h"
#include "platform/veritabani/OdbcBaglanti.h"
#include "platform/veritabani/SqlMetni.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using Sonuc = GirisFormu::Sonuc;

// The login: sys.inf, the user check, the attempt count, the remembered
// user, the company choice, as data and as the window.
class TstGiris : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<QTemporaryDir> kok_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<KayitliMesajlar> kutular_;

    QString infYolu() const { return kok_->filePath(QStringLiteral("Suite/sys.inf")); }
    void sysInfYaz(const QByteArray& icerik) {
        QFile f(infYolu());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(icerik);
    }
    void sysInfYaz(const QString& dorduncu = QStringLiteral("0")) {
        sysInfYaz((sunucu_->klasor() + QStringLiteral(";sa;;") + dorduncu + u'\n').toUtf8());
    }
    // Runs `f`; the status the program ended with, or -1 when it went on.
    template <typename F> int bitti(F&& f) {
        try {
            f();
        } catch (const ProgramSonu& s) { return s.durum; }
        return -1;
    }
    std::unique_ptr<GirisFormu> yuklu() {
        auto g = std::make_unique<GirisFormu>();
        g->yukle();
        return g;
    }
    // The login window, shown and active; `baslatildi` counts the company
    // choices, `giris` gets the login they start with.
    std::unique_ptr<LoginFrm> pencere(int* baslatildi = nullptr, GirisBilgisi* giris = nullptr) {
        auto f = std::make_unique<LoginFrm>();
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        f->baslat = [baslatildi, giris](const GirisBilgisi& g) {
            if (baslatildi) ++*baslatildi;
            if (giris) *giris = g;
        };
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f.get())) return nullptr;
        return f;
    }
    template <typename T = QLineEdit> T* bul(QWidget* f, const char* ad) { return f->findChild<T*>(QString::fromLatin1(ad)); }

    Sonuc dene(GirisFormu& g, const QString& ad, const QString& sifre) {
        g.kullaniciAdi = ad;
        g.sifre = sifre;
        return g.girisDene();
    }
    void kullaniciEkle(int id, const QString& ad, const QString& sifre, bool firmali = true) {
        sunucu_->calistir(
            QStringLiteral("Defination_DB"),
            QStringLiteral("INSERT INTO sysuslng VALUES (%1,'%2','%3')").arg(id).arg(tirnakIci(ad), tirnakIci(Sifrele(sifre))));
        if (firmali) sunucu_->calistir(QStringLiteral("Defination_DB"), QStringLiteral("INSERT INTO sysusfrmlng VALUES (%1,1)").arg(id));
    }

private slots:
    void initTestCase() { sunucu_ = std::make_unique<GeciciSunucu>(5); }
    void init() {
        kok_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", kok_->filePath(QStringLiteral("ayar")).toUtf8());
        QDir(kok_->path()).mkpath(QStringLiteral("Suite/Rapor"));
        sistem_ = std::make_unique<SahteSistem>();
        sistem_->dizin = kok_->filePath(QStringLiteral("Suite/Rapor"));
        kutular_ = std::make_unique<KayitliMesajlar>();
        bolgeselAyarla();
        sysInfYaz();
    }
    void cleanup() {
        kutular_.reset();
        sistem_.reset();
    }

    // Every unusable sys.inf ends the program with the same message.
    void sysInfHatalari_data() {
        QTest::addColumn<QString>("durum");
        satirEkle("dosya yok", "yok");
        satirEkle("bos dosya", "bos");
    }
    void sysInfHatalari() {
        QFETCH(QString, durum);
        QFile::remove(infYolu());
        if (durum == QLatin1String("bos")) sysInfYaz(QByteArray());
        QCOMPARE(bitti([] { Sys_Inf_Oku(); }), 1);
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().metin, sysInfHatasi());
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
        QCOMPARE(kutular_->kutular.first().baslik, QStringLiteral("KARMENA TİCARİ YAZILIM"));
    }

    void sysInfKodSayfasi() {
        sysInfYaz(Cp1254::kodla(QStringLiteral("SRV;sa;şifreĞ;1\r\nikinci satır")));
        QCOMPARE(Sys_Inf_Oku(), QStringLiteral("SRV;sa;şifreĞ;1"));
        sysInfYaz(QStringLiteral("\uFEFFSRV;sa;şifre;0\n").toUtf8());
        QCOMPARE(Sys_Inf_Oku(), QStringLiteral("SRV;sa;şifre;0"));
    }

    // The user check: Turkish case-insensitive names, exact passwords, blanks
    // kept, quotes that cannot end the literal.
    void kullaniciDenetimi_data() {
        sutunlar<QString, QString, bool>("ad", "sifre", "girer");
        satirEkle("kucuk harf", "karmena", "1234", true);
        satirEkle("sondaki bosluk", "karmena ", "1234", false);
        satirEkle("sifre buyuk harfle", "muhasebe", "ABC", false);
        satirEkle("noktasiz ı", "ışık", "x1", true);
        satirEkle("tirnakli ad", "d'arcy", "p'q", true);
        satirEkle("sifrede enjeksiyon", "karmena", "' OR '1'='1", false);
        satirEkle("adda enjeksiyon", "x' OR '1'='1' --", "", false);
    }
    void kullaniciDenetimi() {
        QFETCH(QString, ad);
        QFETCH(QString, sifre);
        QFETCH(bool, girer);
        static bool eklendi = false;
        if (!eklendi) {
            kullaniciEkle(7, QStringLiteral("IŞIK"), QStringLiteral("x1"));
            kullaniciEkle(9, QStringLiteral("D'ARCY"), QStringLiteral("p'q"));
            eklendi = true;
        }
        auto g = yuklu();
        QCOMPARE(dene(*g, ad, sifre), girer ? Sonuc::Girildi : Sonuc::Yanlis);
        QCOMPARE(kutular_->metinler(), girer ? QStringList() : QStringList{GirisMesaji::yanlis()});
        if (girer) QVERIFY(!g->firmalar().isEmpty());

        // The statement finds the same rows on both back ends; a name with
        // blanks at the end finds its row (the server pads) but is refused.
        OdbcBaglanti odbc(QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(sunucu_->dosya(QStringLiteral("Defination_DB"))),
                          QDeadlineTimer(5000));
        const QString sql = Kullanici_Sorgusu(Buyuk_Harf(ad), Sifrele(sifre));
        const auto gomulu = Baglan(QStringLiteral("sa"), QString(), QStringLiteral("Defination_DB"), sunucu_->klasor());
        for (Baglanti* b : {static_cast<Baglanti*>(&odbc), gomulu.get()}) {
            auto imlec = b->sorgula(sql);
            QList<Deger> satir;
            int n = 0;
            while (imlec->sonraki(satir)) ++n;
            QCOMPARE(n, girer || ad.endsWith(u' ') ? 1 : 0);
        }
    }

    // Two failures warn, a connection error between them does not count, the
    // third ends the program.
    void denemeSayisi() {
        auto g = yuklu();
        g->sunucuGorunur = true;
        g->sunucu = sunucu_->klasor();
        QCOMPARE(dene(*g, QStringLiteral("karmena"), QStringLiteral("x")), Sonuc::Yanlis);
        g->sunucu = kok_->filePath(QStringLiteral("yok"));
        QCOMPARE(dene(*g, QStringLiteral("karmena"), QStringLiteral("1234")), Sonuc::BaglantiHatasi);
        QCOMPARE(kutular_->kutular.at(1).metin, GirisMesaji::baglanilamadi());
        QCOMPARE(g->denemeSayisi(), 1);
        g->sunucu = sunucu_->klasor();
        QCOMPARE(dene(*g, QStringLiteral("karmena"), QStringLiteral("y")), Sonuc::Yanlis);
        QCOMPARE(bitti([&] { dene(*g, QStringLiteral("karmena"), QStringLiteral("z")); }), 1);
        QCOMPARE(kutular_->metinler().last(), GirisMesaji::denemeBitti());
        QCOMPARE(kutular_->kutular.last().simge, Simge::Kritik);
    }

    // Enter in a box moves on and logs in; the companies follow, and Enter
    // on one starts the program on it.
    void girisVeFirmaSecimi() {
        int baslatildi = 0;
        GirisBilgisi giris;
        auto f = pencere(&baslatildi, &giris);
        QVERIFY(f);
        QLineEdit* sifre = bul(f.get(), "sysus");
        QTRY_VERIFY(sifre->hasFocus());
        QTest::keyClicks(sifre, QStringLiteral("1234"));
        QCOMPARE(sifre->displayText(), QStringLiteral("****"));
        QTest::keyClick(sifre, Qt::Key_Return);
        QVERIFY(kutular_->kutular.isEmpty());
        QVERIFY(bul<QFrame>(f.get(), "FirmaPnl")->isVisible());
        QVERIFY(!bul<QFrame>(f.get(), "KullaniciPnl")->isVisible());
        auto* grid = bul<IzgaraGorunumu>(f.get(), "TDBG1");
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("DEMO"));
        QVERIFY(grid->hasFocus());
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(baslatildi, 1);
        QCOMPARE(giris.VeriTabaniAdi, QStringLiteral("DEMOFIRMA"));
        QCOMPARE(giris.Kullanici_ID, 1);
        QVERIFY(!f->isVisible());
    }

    // A user without a company: a sentence says so over an empty list where
    // choosing does nothing; Escape ends the program from either panel.
    void firmasizKullaniciVeEscape() {
        static bool eklendi = false;
        if (!eklendi) kullaniciEkle(11, QStringLiteral("YALNIZ"), QStringLiteral("y"), false);
        eklendi = true;
        int baslatildi = 0;
        auto f = pencere(&baslatildi);
        QVERIFY(f);
        bul(f.get(), "sysus_nm")->setText(QStringLiteral("yalnız"));
        bul(f.get(), "sysus")->setText(QStringLiteral("y"));
        f->TamamBtn_Click();
        auto* grid = bul<IzgaraGorunumu>(f.get(), "TDBG1");
        QVERIFY(grid->isVisible());
        QCOMPARE(grid->model()->rowCount(), 1);
        QVERIFY(bul<QLabel>(f.get(), "FirmaYokLbl")->isVisible()); // said, not left to guess
        QTest::keyClick(grid, Qt::Key_Return);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, QPoint(10, 40));
        QCOMPARE(baslatildi, 0);
        QVERIFY(f->isVisible());
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!f->isVisible());
    }
};

QTEST_MAIN(TstGiris)
#include "tst_giris.moc"
