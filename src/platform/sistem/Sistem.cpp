#include "platform/sistem/Sistem.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
SistemServisi* gServis = nullptr;
QString gPano; // stands in for the clipboard where no GUI exists
} // namespace

QString SistemServisi::bilgisayarAdi() const {
    // The system call fills a 255-character buffer; longer names are cut there.
    return QSysInfo::machineHostName().left(255).trimmed();
}

int SistemServisi::anaSurum() const {
    // Settings take effect at once on every system this build runs on.
    return 10;
}

void SistemServisi::yenidenBaslatIste() {}

bool SistemServisi::programBaslat(const QString& yol) { return QProcess::startDetached(yol, {}, QFileInfo(yol).absolutePath()); }

bool SistemServisi::programCalistir(const QString& yol, const QStringList& argumanlar) {
    return QProcess::startDetached(yol, argumanlar, QFileInfo(yol).absolutePath());
}

QString SistemServisi::varsayilanUygulama(const QString& mimeTuru) const {
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdg.isEmpty()) return {};
    QProcess p;
    p.start(xdg, {QStringLiteral("query"), QStringLiteral("default"), mimeTuru});
    if (!p.waitForFinished(5000)) {
        p.kill();
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

bool SistemServisi::dosyayiAc(const QString& dosya) {
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    return !xdg.isEmpty() && QProcess::startDetached(xdg, {dosya});
}

QString SistemServisi::programBul(const QString& ad) const { return QStandardPaths::findExecutable(ad); }

void SistemServisi::panoyaKoy(const QString& metin) {
    gPano = metin;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QClipboard* pano = QGuiApplication::clipboard();
        pano->clear();
        pano->setText(metin);
    }
}

QString SistemServisi::panodan() const {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QGuiApplication::clipboard()->text();
    return gPano;
}

QString SistemServisi::programDizini() const { return QCoreApplication::applicationDirPath(); }

QString SistemServisi::programAdi() const { return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName(); }

SistemServisi& sistem() {
    static SistemServisi gercek;
    return gServis ? *gServis : gercek;
}

void sistemServisiniAyarla(SistemServisi* servis) { gServis = servis; }
