#include "ortak/TestOrtami.h"

#include <QProcess>
#include <QtTest>

// The batch mode as scripts use it: the real program, its exit status and
// the message texts on standard error.
class TstToplu : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<QTemporaryDir> ayarlar_;

    struct Sonuc {
        int durum;
        QString hata;
    };

    Sonuc calistir(const QStringList& argumanlar) {
        QProcess p;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar_->path());
        ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        p.setProcessEnvironment(ortam);
        p.start(qEnvironmentVariable("FATURA_PROGRAM"), argumanlar);
        if (!p.waitForFinished(60000)) {
            p.kill();
            return {-1, QStringLiteral("hung")};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardError())};
    }
    QString demo(int kullanici) const {
        return QStringLiteral("DEMOFIRMA|%1|%2|sa|æ").arg(sunucu_->klasor()).arg(kullanici);
    }
    void turkceAyarlar() {
        qputenv("XDG_CONFIG_HOME", ayarlar_->path().toUtf8());
        bolgeselAyarla();
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo(qEnvironmentVariable("FATURA_PROGRAM")).isExecutable(), "FATURA_PROGRAM must name the program");
        sunucu_ = std::make_unique<GeciciSunucu>();
    }
    void init() { ayarlar_ = std::make_unique<QTemporaryDir>(); }

    void evetIleBaslangicTamamlanir() {
        qputenv("XDG_CONFIG_HOME", ayarlar_->path().toUtf8());
        bolgeselAyarla(QStringLiteral("."), QStringLiteral(","), QStringLiteral("/"), QStringLiteral("M/d/yyyy"));
        const Sonuc s = calistir({QStringLiteral("--batch"), demo(1), QStringLiteral("--yes")});
        QCOMPARE(s.durum, 0);
        QVERIFY(s.hata.contains(QStringLiteral("Fatura Listesi: Programın Çalışabilmesi için Sistemin Ayarlanması Gerekiyor.")));
        // The settings were corrected, so the next run asks nothing.
        const Sonuc ikinci = calistir({QStringLiteral("--batch"), demo(1)});
        QCOMPARE(ikinci.durum, 0);
        QVERIFY2(!ikinci.hata.contains(QStringLiteral("Fatura Listesi:")), qPrintable(ikinci.hata));
    }

    void farkliAyarSoruHayir() {
        qputenv("XDG_CONFIG_HOME", ayarlar_->path().toUtf8());
        bolgeselAyarla(QStringLiteral("."), QStringLiteral(","), QStringLiteral("/"), QStringLiteral("M/d/yyyy"));
        const Sonuc s = calistir({QStringLiteral("--batch"), demo(1)});
        QCOMPARE(s.durum, 1);
        QVERIFY(s.hata.contains(QStringLiteral("Onaylıyormusunuz ?")));
    }

    void mesajlaBiten_data() {
        QTest::addColumn<QString>("parametreler");
        QTest::addColumn<QString>("mesaj");
        QTest::newRow("yetkisiz") << "KULLANICI3"
                                  << "Fatura Listesi: Bu Raporu Görmeye Yetkiniz Yoktur. Lütfen Sistem Yöneticisi'ne Başvurun\n";
        QTest::newRow("eksik parametre") << "X|Y" << "Fatura Listesi: Eksik Paremetre Kullanımı \n";
        QTest::newRow("sunucu yok") << "DEMOFIRMA|127.0.0.1,1|1|sa|æ"
                                    << "Fatura Listesi: Veri Tabanına Bağlanılamadı. Lütfen Service Manager Programı İle "
                                       "Server'ınızı Başlattıktan sonra programı Tekrar Çalıştırın\nFatura Listesi: Hata Ayrıntsı :";
        QTest::newRow("firma satiri yok") << "YENIFIRMA" << "Karmena Tanımlam Veritabanıyla İlgili Bir Hata Tespit Etti.";
    }
    void mesajlaBiten() {
        QFETCH(QString, parametreler);
        QFETCH(QString, mesaj);
        turkceAyarlar();
        if (parametreler == QLatin1String("KULLANICI3")) parametreler = demo(3);
        if (parametreler == QLatin1String("YENIFIRMA")) {
            QFile::copy(sunucu_->dosya(QStringLiteral("DEMOFIRMA")), sunucu_->dosya(QStringLiteral("YENIFIRMA")));
            parametreler = QStringLiteral("YENIFIRMA|%1|1|sa|æ").arg(sunucu_->klasor());
        }
        const Sonuc s = calistir({QStringLiteral("--batch"), parametreler});
        QCOMPARE(s.durum, 1);
        QVERIFY2(s.hata.contains(mesaj), qPrintable(s.hata));
    }

    void kullanimHatasi_data() {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::newRow("parametresiz") << QStringList{"--batch"};
        QTest::newRow("bilinmeyen secenek") << QStringList{"--batch", "A|B|1|C|D", "--renkli"};
        QTest::newRow("giris penceresi istenemez") << QStringList{"--batch", "-1|SRV|1|sa|x"};
    }
    void kullanimHatasi() {
        QFETCH(QStringList, argumanlar);
        turkceAyarlar();
        const Sonuc s = calistir(argumanlar);
        QCOMPARE(s.durum, 2);
        QVERIFY(!s.hata.isEmpty());
    }
};

QTEST_MAIN(TstToplu)
#include "tst_toplu.moc"
