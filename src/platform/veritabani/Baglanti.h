#pragma once
#include "platform/veritabani/Imlec.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// One open database connection. Statements are reads; the program writes nothing.
class Baglanti {
public:
    virtual ~Baglanti() = default;
    virtual std::unique_ptr<Imlec> sorgula(const QString& sql) = 0;

    // Opens the back end that the connection string names: the embedded store
    // when "Data Source" is an existing folder, else SQL Server through ODBC.
    static std::shared_ptr<Baglanti> ac(const QString& baglantiCumlesi);
    // Seconds a SQL Server login may take before it fails.
    static int girisZamanAsimi();
};
