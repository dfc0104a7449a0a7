#pragma once
#include "platform/veritabani/Baglanti.h"

#include <QStringList>

// The error number of a driver's SQLSTATE: 28000 (invalid authorization) is
// the refused login the program tells apart; anything else keeps `varsayilan`.
qint64 Odbc_Hata_Numarasi(const QString& sqlstate, qint64 varsayilan);

// SQL Server (or any ODBC data source) through unixODBC. The login ends by
// the deadline whatever the server does (a server that trickles bytes keeps
// a driver's own timeout from firing, so the login runs on a thread of its
// own and is left behind when the deadline passes); a refused login
// (SQLSTATE 28000) raises error 0x80040E4D; a statement that gets no answer
// for `sorguZamanAsimiSn` seconds fails; the session is read-only where the
// driver allows it.
class OdbcBaglanti : public Baglanti {
public:
    OdbcBaglanti(const QString& odbcCumlesi, QDeadlineTimer son, int sorguZamanAsimiSn = Baglanti::sorguZamanAsimi());
    ~OdbcBaglanti() override;
    OdbcBaglanti(const OdbcBaglanti&) = delete;
    OdbcBaglanti& operator=(const OdbcBaglanti&) = delete;

    std::unique_ptr<Imlec> sorgula(const QString& sql) override;
    std::shared_ptr<Baglanti> ikinci() const override;

    // What the connection runs once it is made, given the server's product name.
    static QStringList oturumKomutlari(const QString& dbmsAdi);

private:
    QString cumle_;
    void* env_ = nullptr;
    void* dbc_ = nullptr;
    int sorguZamanAsimi_ = 60;
};
