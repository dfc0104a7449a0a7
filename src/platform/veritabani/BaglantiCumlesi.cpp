#include "platform/veritabani/BaglantiCumlesi.h"

#include <QStringList>

namespace {

// The "Key=Value" parts of a connection string; a braced value runs to its
// closing brace, "}}" standing for "}", and may hold ";".
QList<std::pair<QString, QString>> parcalar(const QString& metin) {
    QList<std::pair<QString, QString>> l;
    qsizetype i = 0;
    const qsizetype n = metin.size();
    while (i < n) {
        const qsizetype esit = metin.indexOf(u'=', i);
        const qsizetype noktali = metin.indexOf(u';', i);
        if (esit < 0 || (noktali >= 0 && noktali < esit)) { // a part without "="
            if (noktali < 0) break;
            i = noktali + 1;
            continue;
        }
        const QString anahtar = metin.mid(i, esit - i);
        qsizetype j = esit + 1;
        QString deger;
        if (j < n && metin.at(j) == u'{') {
            for (++j; j < n; ++j) {
                if (metin.at(j) == u'}') {
                    if (j + 1 < n && metin.at(j + 1) == u'}') {
                        deger += u'}';
                        ++j;
                        continue;
                    }
                    ++j;
                    break;
                }
                deger += metin.at(j);
            }
            const qsizetype son = metin.indexOf(u';', j);
            i = son < 0 ? n : son + 1;
        } else {
            const qsizetype son = metin.indexOf(u';', j);
            deger = metin.mid(j, son < 0 ? -1 : son - j);
            i = son < 0 ? n : son + 1;
        }
        l.append({anahtar, deger});
    }
    return l;
}

} // namespace

QString Cumle_Degeri(const QString& d) {
    if (!d.contains(u';') && !d.contains(u'{') && !d.contains(u'}') && d.trimmed() == d) return d;
    QString s = d;
    s.replace(QLatin1String("}"), QLatin1String("}}"));
    return u'{' + s + u'}';
}

namespace {

// The program's own form: "...User ID=u;Password=p;Initial Catalog=c;Data Source=s".
// The password runs to the last ";Initial Catalog=" and the catalog to the last
// ";Data Source=", so ";" inside the values does not cut them.
bool programBiciminden(const QString& metin, BaglantiCumlesi& b) {
    const QString kullanici = QStringLiteral("User ID="), sifre = QStringLiteral(";Password="),
                  katalog = QStringLiteral(";Initial Catalog="), kaynak = QStringLiteral(";Data Source=");
    if (!metin.startsWith(QLatin1String("Provider=SQLOLEDB.1;"))) return false;
    const qsizetype k = metin.indexOf(kullanici);
    const qsizetype s = k < 0 ? -1 : metin.indexOf(sifre, k);
    const qsizetype d = metin.lastIndexOf(kaynak);
    const qsizetype c = d < 0 ? -1 : metin.lastIndexOf(katalog, d);
    if (k < 0 || s < 0 || c < s || d < 0) return false;
    b.kullanici = metin.mid(k + kullanici.size(), s - k - kullanici.size());
    b.sifre = metin.mid(s + sifre.size(), c - s - sifre.size());
    b.katalog = metin.mid(c + katalog.size(), d - c - katalog.size());
    b.veriKaynagi = metin.mid(d + kaynak.size());
    b.entegreGuvenlik = metin.left(k).contains(QLatin1String(";Integrated Security=SSPI;"));
    return true;
}

} // namespace

BaglantiCumlesi BaglantiCumlesi::ayristir(const QString& metin) {
    BaglantiCumlesi b;
    if (programBiciminden(metin, b)) return b;
    for (const auto& [ham, deger] : parcalar(metin)) {
        const QString anahtar = ham.trimmed().toLower();
        if (anahtar == QLatin1String("data source"))
            b.veriKaynagi = deger;
        else if (anahtar == QLatin1String("initial catalog"))
            b.katalog = deger;
        else if (anahtar == QLatin1String("user id"))
            b.kullanici = deger;
        else if (anahtar == QLatin1String("password"))
            b.sifre = deger;
        else if (anahtar == QLatin1String("integrated security"))
            b.entegreGuvenlik = deger.trimmed().compare(QLatin1String("SSPI"), Qt::CaseInsensitive) == 0 ||
                                deger.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
    }
    return b;
}

QString odbcCumlesiOlustur(const BaglantiCumlesi& b, int girisZamanAsimiSn) {
    QString surucu = qEnvironmentVariable("FATURA_ODBC_SURUCU");
    if (surucu.isEmpty()) surucu = QStringLiteral("FreeTDS");
    QStringList p;
    p << QStringLiteral("DRIVER={%1}").arg(surucu);
    // "host,port" is how SQL Server clients name a port; FreeTDS wants it apart.
    QString sunucu = b.veriKaynagi.trimmed();
    const qsizetype virgul = sunucu.indexOf(u',');
    if (virgul >= 0) {
        p << QStringLiteral("SERVER=") + Cumle_Degeri(sunucu.left(virgul).trimmed());
        p << QStringLiteral("PORT=") + sunucu.mid(virgul + 1).trimmed();
    } else {
        p << QStringLiteral("SERVER=") + Cumle_Degeri(sunucu);
    }
    p << QStringLiteral("DATABASE=") + Cumle_Degeri(b.katalog);
    if (b.entegreGuvenlik) {
        p << QStringLiteral("Trusted_Connection=Yes");
    } else {
        p << QStringLiteral("UID=") + Cumle_Degeri(b.kullanici);
        p << QStringLiteral("PWD=") + Cumle_Degeri(b.sifre);
    }
    if (surucu.contains(QLatin1String("FreeTDS"), Qt::CaseInsensitive)) {
        // Timeout= is the login timeout FreeTDS reads, and it holds only with a
        // fixed protocol version: left to negotiate, FreeTDS retries a silent
        // server for minutes. UTF-8 keeps Turkish letters intact both ways.
        QString tds = qEnvironmentVariable("FATURA_TDS_SURUMU");
        if (tds.isEmpty()) tds = QStringLiteral("7.4");
        p << QStringLiteral("TDS_Version=") + tds;
        p << QStringLiteral("ClientCharset=UTF-8");
        p << QStringLiteral("Timeout=%1").arg(girisZamanAsimiSn);
        p << QStringLiteral("Encryption=") + sifreleme();
    } else {
        // Microsoft's driver: encrypted when the site requires it, else as the server asks.
        p << (sifreleme() == QLatin1String("require") ? QStringLiteral("Encrypt=yes") : QStringLiteral("Encrypt=no"));
    }
    return p.join(u';') + u';';
}

QString sifreleme() {
    const QString s = qEnvironmentVariable("FATURA_SIFRELEME").trimmed().toLower();
    return s == QLatin1String("require") || s == QLatin1String("off") ? s : QStringLiteral("request");
}
