#include "startup/KomutSatiri.h"

KomutSatiri KomutSatiri::coz(const QStringList& argumanlar) {
    KomutSatiri k;
    if (argumanlar.isEmpty() || !argumanlar.first().startsWith(QLatin1String("--"))) {
        k.parametreler = argumanlar.join(u' ');
        return k;
    }
    auto hata = [&k](const QString& aciklama) {
        k.kip = Kip::Hata;
        k.hata = aciklama;
        return k;
    };
    k.kip = Kip::Toplu;
    bool parametreVar = false;
    bool batch = false;
    for (qsizetype i = 0; i < argumanlar.size(); ++i) {
        const QString& a = argumanlar.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            k.kip = Kip::Yardim;
            return k;
        }
        if (a == QLatin1String("--version")) {
            k.kip = Kip::Surum;
            return k;
        }
        if (a == QLatin1String("--batch")) {
            // Without the five parameters the batch mode logs in with --user.
            if (i + 1 < argumanlar.size() && !argumanlar.at(i + 1).startsWith(QLatin1String("--"))) {
                k.parametreler = argumanlar.at(++i);
                parametreVar = true;
            }
            batch = true;
        } else if (a == QLatin1String("--user") || a == QLatin1String("--company") || a == QLatin1String("--server")) {
            const bool kullanici = a == QLatin1String("--user");
            const bool firma = a == QLatin1String("--company");
            if (i + 1 >= argumanlar.size() || argumanlar.at(i + 1).trimmed().isEmpty())
                return hata(QStringLiteral("%1 needs a %2")
                                .arg(a, kullanici ? QStringLiteral("user name")
                                        : firma   ? QStringLiteral("company code")
                                                  : QStringLiteral("server name")));
            (kullanici ? k.kullanici : firma ? k.firma : k.sunucu) = argumanlar.at(++i);
        } else if (a == QLatin1String("--yes")) {
            k.evet = true;
        } else if (a == QLatin1String("--sql")) {
            k.sqlYaz = true;
        } else if (a == QLatin1String("--pdf") || a == QLatin1String("--png") || a == QLatin1String("--text") ||
                   a == QLatin1String("--excel") || a == QLatin1String("--xlsx") || a == QLatin1String("--html")) {
            if (i + 1 >= argumanlar.size())
                return hata(QStringLiteral("%1 needs a %2")
                                .arg(a, a == QLatin1String("--png") ? QStringLiteral("folder") : QStringLiteral("file")));
            const QString yol = argumanlar.at(++i);
            if (yol.trimmed().isEmpty()) return hata(QStringLiteral("%1 needs a name, not an empty text").arg(a));
            (a == QLatin1String("--pdf")    ? k.pdf
             : a == QLatin1String("--png")  ? k.png
             : a == QLatin1String("--text") ? k.metin
             : a == QLatin1String("--html") ? k.html
             : a == QLatin1String("--xlsx") ? k.xlsx
                                            : k.excel) = yol;
        } else if (a == QLatin1String("--print")) {
            k.yazdir = true;
            // The printer's name is optional: a next argument that is an option is none.
            if (i + 1 < argumanlar.size() && !argumanlar.at(i + 1).startsWith(QLatin1String("--"))) k.yazici = argumanlar.at(++i).trimmed();
        } else if (a == QLatin1String("--text-separator") || a == QLatin1String("--text-page-separator")) {
            if (i + 1 >= argumanlar.size()) return hata(QStringLiteral("%1 needs a text").arg(a));
            (a == QLatin1String("--text-separator") ? k.metinAlanAyiraci : k.metinSayfaAyiraci) = argumanlar.at(++i);
        } else if (a == QLatin1String("--text-no-empty-lines")) {
            k.metinBosSatirGizle = true;
        } else if (a == QLatin1String("--text-utf8")) {
            k.metinUtf8 = true;
        } else if (a == QLatin1String("--template")) {
            if (i + 1 >= argumanlar.size() || argumanlar.at(i + 1).trimmed().isEmpty())
                return hata(QStringLiteral("--template needs a file"));
            k.sablon = argumanlar.at(++i);
        } else if (a == QLatin1String("--set") || a == QLatin1String("--end") || a == QLatin1String("--choose") ||
                   a == QLatin1String("--active")) {
            if (i + 1 >= argumanlar.size()) return hata(QStringLiteral("%1 needs \"Caption=value\"").arg(a));
            const QString deger = argumanlar.at(++i);
            const qsizetype esit = deger.indexOf(u'=');
            if (esit <= 0) return hata(QStringLiteral("%1 needs \"Caption=value\", not \"%2\"").arg(a, deger));
            using T = Duzenleme::Tur;
            const T tur = a == QLatin1String("--set")      ? T::Baslangic
                          : a == QLatin1String("--end")    ? T::Bitis
                          : a == QLatin1String("--choose") ? T::Secim
                                                           : T::Aktif;
            k.duzenlemeler.append({tur, deger.left(esit), deger.mid(esit + 1)});
        } else {
            return hata(QStringLiteral("unknown option: %1").arg(a));
        }
    }
    if (!batch) return hata(QStringLiteral("--batch is required"));
    if (parametreVar && !k.kullanici.isEmpty()) return hata(QStringLiteral("give either the five parameters or --user, not both"));
    if (!k.firma.isEmpty() && k.kullanici.isEmpty()) return hata(QStringLiteral("--company needs --user"));
    if (!k.sunucu.isEmpty() && k.kullanici.isEmpty()) return hata(QStringLiteral("--server needs --user"));
    if (k.kullanici.isEmpty() && k.parametreler.isEmpty())
        return hata(QStringLiteral("--batch needs the five parameters \"DB|Server|UserID|SqlUser|Password\" or --user NAME"));
    return k;
}

QString KomutSatiri::kullanim(const QString& programAdi) {
    return QStringLiteral("Usage:\n"
                          "  \"%1\" [DB|Server|UserID|SqlUser|Password]\n"
                          "  \"%1\" --batch \"DB|Server|UserID|SqlUser|Password\" [options]\n"
                          "  \"%1\" --batch --user NAME [--server NAME] [--company CODE] [options]\n"
                          "  \"%1\" --help | --version\n"
                          "\n"
                          "  --batch   run start-up and the report without any window; messages go to\n"
                          "            standard error; exit status 0 done, 1 ended after a message,\n"
                          "            2 usage error\n"
                          "  --yes     answer Yes to every question (default: No)\n"
                          "  --user NAME               log in as the login window does (server and SQL login from\n"
                          "                            sys.inf); the password comes from FATURA_SIFRE, else from\n"
                          "                            one line of standard input\n"
                          "  --server NAME             with --user, when sys.inf shows the login's server box:\n"
                          "                            the server to log into (default: sys.inf's server)\n"
                          "  --company CODE            open this company (code or database name); without it the\n"
                          "                            user's companies are printed, name TAB code, one per line\n"
                          "  --template FILE           the report template instead of Master.mtr beside the program\n"
                          "  --set \"Caption=value\"    the start value of the rows with that caption\n"
                          "  --end \"Caption=value\"    their end value\n"
                          "  --choose \"Caption=a;b\"   a multiple choice: options by whole text or code; Hepsi = all\n"
                          "  --active \"Caption=True\"  whether the rows take part in the SQL (True or False)\n"
                          "  --sql                     print the composed statement and stop\n"
                          "  --pdf FILE                write the report as PDF to FILE\n"
                          "  --png DIR                 write one PNG per report page into DIR\n"
                          "  --text FILE               write the report as text (fixed columns, Windows-1254)\n"
                          "  --text-separator S        the text's fields separated by S (CSV quoting) instead of\n"
                          "                            fixed columns\n"
                          "  --text-page-separator S   a line S between the text's pages\n"
                          "  --text-no-empty-lines     no empty lines in the text\n"
                          "  --text-utf8               the text in UTF-8 with a byte-order mark instead of\n"
                          "                            Windows-1254 (which writes \"?\" for what it cannot hold)\n"
                          "  --excel FILE              write the report as an Excel 97-2003 workbook\n"
                          "  --xlsx FILE               write the report as an Office Open XML workbook (one sheet\n"
                          "                            up to 1,048,576 rows)\n"
                          "  --html FILE               write the report as one HTML page\n"
                          "  --print [PRINTER]         print the report on PRINTER, without the print dialog\n"
                          "                            (default: the system's default printer)\n"
                          "  --version                 the program's, Qt's and SQLite's versions\n"
                          "  The edits apply in the order given, as if typed into the filter form.\n")
        .arg(programAdi);
}
