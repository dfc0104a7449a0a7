#include "startup/KomutSatiri.h"

KomutSatiri KomutSatiri::coz(const QStringList& argumanlar) {
    KomutSatiri k;
    if (argumanlar.isEmpty() || !argumanlar.first().startsWith(QLatin1String("--"))) {
        k.parametreler = argumanlar.join(u' ');
        return k;
    }
    auto hata = [&k](const QString& metin) {
        k.kip = Kip::Hata;
        k.hata = metin;
        return k;
    };
    k.kip = Kip::Toplu;
    bool parametreVar = false;
    for (qsizetype i = 0; i < argumanlar.size(); ++i) {
        const QString& a = argumanlar.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            k.kip = Kip::Yardim;
            return k;
        }
        if (a == QLatin1String("--batch")) {
            if (i + 1 >= argumanlar.size()) return hata(QStringLiteral("--batch needs the five parameters"));
            k.parametreler = argumanlar.at(++i);
            parametreVar = true;
        } else if (a == QLatin1String("--yes")) {
            k.evet = true;
        } else {
            return hata(QStringLiteral("unknown option: %1").arg(a));
        }
    }
    if (!parametreVar) return hata(QStringLiteral("--batch \"DB|Server|UserID|SqlUser|Password\" is required"));
    if (k.parametreler.isEmpty())
        return hata(QStringLiteral("the batch mode has no login window: give the five parameters"));
    return k;
}

QString KomutSatiri::kullanim(const QString& programAdi) {
    return QStringLiteral(
               "Usage:\n"
               "  \"%1\" [DB|Server|UserID|SqlUser|Password]\n"
               "  \"%1\" --batch \"DB|Server|UserID|SqlUser|Password\" [--yes]\n"
               "\n"
               "  --batch   run start-up and the report without any window; messages go to\n"
               "            standard error; exit status 0 done, 1 ended after a message,\n"
               "            2 usage error\n"
               "  --yes     answer Yes to every question (default: No)\n")
        .arg(programAdi);
}
