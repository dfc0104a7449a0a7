#include "platform/veritabani/BaglantiCumlesi.h"

#include <QStringList>

BaglantiCumlesi BaglantiCumlesi::ayristir(const QString& metin) {
    BaglantiCumlesi b;
    for (const QString& parca : metin.split(u';')) {
        const qsizetype esit = parca.indexOf(u'=');
        if (esit < 0) continue;
        const QString anahtar = parca.left(esit).trimmed().toLower();
        const QString deger = parca.mid(esit + 1);
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

namespace {
// ODBC values with ';', '{' or '}' must be braced, '}' doubled inside.
QString odbcDegeri(const QString& d) {
    if (!d.contains(u';') && !d.contains(u'{') && !d.contains(u'}') && d.trimmed() == d) return d;
    QString s = d;
    s.replace(QLatin1String("}"), QLatin1String("}}"));
    return u'{' + s + u'}';
}
} // namespace

QString odbcCumlesiOlustur(const BaglantiCumlesi& b, int girisZamanAsimiSn) {
    QString surucu = qEnvironmentVariable("FATURA_ODBC_SURUCU");
    if (surucu.isEmpty()) surucu = QStringLiteral("FreeTDS");
    QStringList p;
    p << QStringLiteral("DRIVER={%1}").arg(surucu);
    // "host,port" is how SQL Server clients name a port; FreeTDS wants it apart.
    QString sunucu = b.veriKaynagi.trimmed();
    const qsizetype virgul = sunucu.indexOf(u',');
    if (virgul >= 0) {
        p << QStringLiteral("SERVER=") + odbcDegeri(sunucu.left(virgul).trimmed());
        p << QStringLiteral("PORT=") + sunucu.mid(virgul + 1).trimmed();
    } else {
        p << QStringLiteral("SERVER=") + odbcDegeri(sunucu);
    }
    p << QStringLiteral("DATABASE=") + odbcDegeri(b.katalog);
    if (b.entegreGuvenlik) {
        p << QStringLiteral("Trusted_Connection=Yes");
    } else {
        p << QStringLiteral("UID=") + odbcDegeri(b.kullanici);
        p << QStringLiteral("PWD=") + odbcDegeri(b.sifre);
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
    }
    return p.join(u';') + u';';
}
