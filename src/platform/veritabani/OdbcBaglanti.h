#pragma once
#include "platform/veritabani/Baglanti.h"

// The error number of a driver's SQLSTATE: 28000 (invalid authorization) is
// the refused login the program tells apart; anything else keeps `varsayilan`.
qint64 Odbc_Hata_Numarasi(const QString& sqlstate, qint64 varsayilan);

// SQL Server (or any ODBC data source) through unixODBC. The login waits at
// most the given number of seconds; a refused login (SQLSTATE 28000) raises
// error 0x80040E4D; the session is read-only where the driver allows it.
class OdbcBaglanti : public Baglanti {
public:
    OdbcBaglanti(const QString& odbcCumlesi, int girisZamanAsimiSn);
    ~OdbcBaglanti() override;
    OdbcBaglanti(const OdbcBaglanti&) = delete;
    OdbcBaglanti& operator=(const OdbcBaglanti&) = delete;

    std::unique_ptr<Imlec> sorgula(const QString& sql) override;

private:
    void* env_ = nullptr;
    void* dbc_ = nullptr;
};
