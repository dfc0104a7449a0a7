#pragma once
#include "platform/veritabani/Deger.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

// A forward-only stream of rows of one statement. The report reads its rows
// through it, so memory does not grow with the number of rows.
class Imlec {
public:
    virtual ~Imlec() = default;
    virtual const QStringList& alanAdlari() const = 0;
    // Fills the next row; false at the end. Errors raise VeritabaniHatasi.
    virtual bool sonraki(QList<Deger>& satir) = 0;
};

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
