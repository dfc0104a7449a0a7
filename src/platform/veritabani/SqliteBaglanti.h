#pragma once
#include "platform/veritabani/Baglanti.h"
#include "platform/veritabani/BaglantiCumlesi.h"
#include "platform/veritabani/SqliteSemasi.h"

struct sqlite3;

// The embedded store: "<Data Source>/<Initial Catalog>.sqlite", opened
// read-only and never created, with "<Data Source>/Defination_DB.sqlite"
// attached as Defination_DB. An optional "<Data Source>/Girisler.ini" lists
// the SQL logins the store accepts ([SqlGirisleri] user=password) and whether
// it accepts integrated security ([Genel] EntegreGuvenlik=true|false); without
// it every login is accepted.
class SqliteBaglanti : public Baglanti {
public:
    // A store's schema is read by its first connection; `sema` passes it to a further one.
    explicit SqliteBaglanti(const BaglantiCumlesi& b, std::shared_ptr<const SqliteSemasi> sema = {});
    ~SqliteBaglanti() override;
    SqliteBaglanti(const SqliteBaglanti&) = delete;
    SqliteBaglanti& operator=(const SqliteBaglanti&) = delete;

    std::unique_ptr<Imlec> sorgula(const QString& sql) override;
    std::shared_ptr<Baglanti> ikinci() const override;

    // The version of the SQLite library the program runs with.
    static QString kutuphaneSurumu();

private:
    void ekle(const QString& dosya, const char* ad);

    sqlite3* db_ = nullptr;
    BaglantiCumlesi b_;
    std::shared_ptr<const SqliteSemasi> sema_;
};
