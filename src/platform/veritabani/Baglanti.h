#pragma once
#include "bant/Imlec.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// One open database connection. Statements are reads; the program writes nothing.
class Baglanti {
public:
    virtual ~Baglanti() = default;
    virtual std::unique_ptr<Imlec> sorgula(const QString& sql) = 0;
    // A further connection to the same database with the same login, for a
    // reader that runs beside this one; it shares what was learnt at opening.
    virtual std::shared_ptr<Baglanti> ikinci() const = 0;

    // Opens the back end that the connection string names: the embedded store
    // when "Data Source" is an existing folder, else SQL Server through ODBC.
    // A SQL Server login ends by `son` (by default girisZamanAsimi() from now).
    static std::shared_ptr<Baglanti> ac(const QString& baglantiCumlesi);
    static std::shared_ptr<Baglanti> ac(const QString& baglantiCumlesi, QDeadlineTimer son);
    // Seconds a SQL Server login may take before it fails (FATURA_GIRIS_ZAMAN_ASIMI, 5).
    static int girisZamanAsimi();
    // Seconds a statement may wait for the server's answer (FATURA_SORGU_ZAMAN_ASIMI, 60).
    static int sorguZamanAsimi();
};
