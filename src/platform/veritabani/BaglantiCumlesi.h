#pragma once
#include <QString>

// The fields of an OLE DB style connection string ("Key=Value;Key=Value").
// Values are taken as they stand: the program never quotes them.
struct BaglantiCumlesi {
    QString veriKaynagi;          // Data Source
    QString katalog;              // Initial Catalog
    QString kullanici;            // User ID
    QString sifre;                // Password
    bool entegreGuvenlik = false; // Integrated Security=SSPI

    static BaglantiCumlesi ayristir(const QString& metin);
};

// The ODBC connection string for a SQL Server named by the connection string.
// The driver is FreeTDS unless FATURA_ODBC_SURUCU names another; FreeTDS
// speaks TDS 7.4 (SQL Server 2012 and later) unless FATURA_TDS_SURUMU says
// otherwise.
QString odbcCumlesiOlustur(const BaglantiCumlesi& b, int girisZamanAsimiSn);
