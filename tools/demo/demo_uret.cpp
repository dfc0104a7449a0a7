// Writes the demo company: the embedded store's files, a T-SQL script, or both.
#include "DemoUretici.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {
void kullanim() {
    std::fputs("Usage: demo_uret [--folder DIR] [--invoices N] [--customers N] [--seed N]\n"
               "                 [--tsql FILE] [--sysinf FILE] [--name-length N]\n"
               "  --name-length  customer names repeated to N characters (long-text benchmark)\n"
               "  --folder  embedded store folder to write (Defination_DB.sqlite, DEMOFIRMA.sqlite)\n"
               "  --tsql    also (or only, without --folder) write a T-SQL script for sqlcmd\n"
               "  --sysinf  write the suite's sys.inf pointing at the folder\n",
               stderr);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    DemoAyarlari ayarlar;
    QString klasor, tsql, sysinf;
    const QStringList a = uygulama.arguments();
    for (int i = 1; i < a.size(); ++i) {
        const QString& s = a.at(i);
        const bool deger = i + 1 < a.size();
        bool tamam = true;
        if (s == QLatin1String("--folder") && deger)
            klasor = a.at(++i);
        else if (s == QLatin1String("--tsql") && deger)
            tsql = a.at(++i);
        else if (s == QLatin1String("--sysinf") && deger)
            sysinf = a.at(++i);
        else if (s == QLatin1String("--invoices") && deger)
            ayarlar.faturaSayisi = a.at(++i).toInt(&tamam);
        else if (s == QLatin1String("--customers") && deger)
            ayarlar.cariSayisi = a.at(++i).toInt(&tamam);
        else if (s == QLatin1String("--seed") && deger)
            ayarlar.tohum = a.at(++i).toUInt(&tamam);
        else if (s == QLatin1String("--name-length") && deger)
            ayarlar.unvanUzunlugu = a.at(++i).toInt(&tamam);
        else
            tamam = false;
        if (!tamam) {
            kullanim();
            return 2;
        }
    }
    if ((klasor.isEmpty() && tsql.isEmpty()) || ayarlar.faturaSayisi < 1) {
        kullanim();
        return 2;
    }
    try {
        CokluYazici yazici;
        if (!klasor.isEmpty()) yazici.ekle(std::make_unique<SqliteYazici>(klasor));
        if (!tsql.isEmpty()) yazici.ekle(std::make_unique<TsqlYazici>(tsql));
        demoUret(ayarlar, yazici);
        if (!klasor.isEmpty()) {
            // Every login is accepted but for these; integrated security is trusted.
            QFile giris(QDir(klasor).filePath(QStringLiteral("Girisler.ini")));
            if (giris.open(QIODevice::WriteOnly | QIODevice::Truncate))
                giris.write("[SqlGirisleri]\nsa=\n\n[Genel]\nEntegreGuvenlik=true\n");
        }
        if (!sysinf.isEmpty()) {
            QFile f(sysinf);
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write sys.inf");
            f.write((QDir(klasor).absolutePath() + QStringLiteral(";sa;;0\r\n")).toUtf8());
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "demo_uret: %s\n", e.what());
        return 1;
    }
    return 0;
}
