#include "ortak/TestOrtami.h"
#include "DemoUretici.h"
#include "startup/Kayit.h"
#include "startup/Veritabani.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <sqlite3.h>
#include <stdexcept>

GeciciSunucu::GeciciSunucu(int faturaSayisi) {
    DemoAyarlari a;
    a.faturaSayisi = faturaSayisi;
    a.cariSayisi = 30;
    SqliteYazici y(dir_.path());
    demoUret(a, y);
}

QString GeciciSunucu::dosya(const QString& veritabani) const { return QDir(dir_.path()).filePath(veritabani + QStringLiteral(".sqlite")); }

void GeciciSunucu::calistir(const QString& veritabani, const QString& sql) const {
    sqlite3* db = nullptr;
    sqlite3_open(dosya(veritabani).toUtf8().constData(), &db);
    char* hata = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &hata);
    const QString m = hata ? QString::fromUtf8(hata) : QString();
    sqlite3_free(hata);
    sqlite3_close(db);
    if (rc != SQLITE_OK) throw std::runtime_error((m + QStringLiteral(": ") + sql).toStdString());
}

void bolgeselAyarla(const QString& ondalik, const QString& binlik, const QString& ayirac, const QString& kisaTarih) {
    const QString k = QStringLiteral("Control Panel\\International");
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sDecimal"), ondalik);
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sThousand"), binlik);
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sDate"), ayirac);
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, k, QStringLiteral("sShortDate"), kisaTarih);
}

std::shared_ptr<Oturum> demoOturumu(const GeciciSunucu& sunucu) {
    auto o = std::make_shared<Oturum>();
    o->giris = {QStringLiteral("DEMOFIRMA"), sunucu.klasor(), QStringLiteral("sa"), QString(), 1};
    o->ayraclar = {QStringLiteral(","), QStringLiteral(".")};
    o->firma.sysfrm_nm = QStringLiteral("Demo");
    o->baglanti = Baglan(o->giris.SqlKullanici, o->giris.SqlSifre, o->giris.VeriTabaniAdi, o->giris.ServerAdi);
    return o;
}

#include "filterform/FiltreIzgarasi.h"
#include "platform/izgara/IzgaraModeli.h"
#include "template/Sablon.h"

void filtreSatirlari(IzgaraModeli& grid, const QStringList& satirlar) {
    Filtre_Izgarasi_Kur(grid);
    for (const QString& s : satirlar)
        if (!Filtreye_Ekle(grid, s)) throw std::runtime_error(("rejected: " + s).toStdString());
}

void KayitliMesajlar::kipliPencere() {
    QPushButton tamam(QStringLiteral("OK"));
    tamam.setWindowModality(Qt::ApplicationModal);
    tamam.show();
    tamam.activateWindow();
    tamam.setFocus();
    QEventLoop dongu;
    QTimer::singleShot(50, &dongu, &QEventLoop::quit);
    dongu.exec();
}

QJsonObject veriOkuyucusu(const char* betik, const QStringList& argumanlar, QString& hata) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            QStringList{QStringLiteral(FATURA_KAYNAK_DIZINI "/tests/veri/") + QLatin1String(betik)} + argumanlar);
    if (!p.waitForFinished(300000)) {
        hata = QLatin1String(betik) + QStringLiteral(" did not finish");
        return {};
    }
    if (p.exitCode() != 0) hata = QString::fromUtf8(p.readAllStandardError());
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}
