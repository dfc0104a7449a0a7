#pragma once
#include <QString>

// The fields of an OLE DB style connection string ("Key=Value;Key=Value").
// The program writes its strings with the values unquoted, in a fixed order
// (User ID, Password, Initial Catalog, Data Source, the last three after
// ";"): such a string is read by those keys, so a password or name holding
// ";" stays whole. Any other string is split at ";", a value in braces
// ("{a;b}", "}}" for "}") running to its closing brace.
struct BaglantiCumlesi {
    QString veriKaynagi;          // Data Source
    QString katalog;              // Initial Catalog
    QString kullanici;            // User ID
    QString sifre;                // Password
    bool entegreGuvenlik = false; // Integrated Security=SSPI

    static BaglantiCumlesi ayristir(const QString& metin);
};

// A value as it goes into an ODBC connection string: braced when it holds
// ";", "{" or "}" or begins or ends with a blank, else unchanged.
QString Cumle_Degeri(const QString& deger);

// The ODBC connection string for a SQL Server named by the connection string.
// The driver is FreeTDS unless FATURA_ODBC_SURUCU names another; FreeTDS
// speaks TDS 7.4 (SQL Server 2012 and later) unless FATURA_TDS_SURUMU says
// otherwise. The connection is encrypted as sifreleme() says.
QString odbcCumlesiOlustur(const BaglantiCumlesi& b, int girisZamanAsimiSn);

// How a SQL Server connection is encrypted, from FATURA_SIFRELEME: "require"
// (encrypted or no connection), "off" (never), else "request" (when the
// server can). Whether the server's certificate is checked is FreeTDS's own
// setting ("ca file" in freetds.conf); without one it is not.
QString sifreleme();
