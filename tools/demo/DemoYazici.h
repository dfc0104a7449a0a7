#pragma once
#include "bant/Deger.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextStream>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// A column as SQL Server declares it ("VARCHAR(50)", "MONEY", "DATETIME" ...).
struct TabloAlanu {
    QString ad;
    QString tur;
    bool birincil = false; // the table's primary key
};

enum class DizinTuru { Duz, Benzersiz };

// Where the demo company goes: the embedded store's files or a T-SQL script.
// Calls come in order: veritabani, then per table tablo + satir..., then
// gorunum/dizin, and bitir at the end.
class DemoYazici {
public:
    virtual ~DemoYazici() = default;
    virtual void veritabani(const QString& ad) = 0;
    virtual void tablo(const QString& ad, const QList<TabloAlanu>& alanlar) = 0;
    virtual void satir(const QList<Deger>& degerler) = 0;
    virtual void gorunum(const QString& ad, const QString& sql) = 0;
    virtual void dizin(const QString& tablo, const QString& alanlar, DizinTuru tur) = 0;
    virtual void bitir() = 0;
};

// "<klasor>/<database>.sqlite", written anew; text columns compare as SQL
// Server does (trailing blanks ignored). A whole-number primary key is the
// table's row id. A text column in a key of several columns is kept in byte
// order: the program compares text in the Turkish order, and an index of
// several columns whose text is held in another order would make it fall
// back to byte order for every report.
class SqliteYazici : public DemoYazici {
public:
    explicit SqliteYazici(const QString& klasor) : klasor_(klasor) {}
    ~SqliteYazici() override;
    void veritabani(const QString& ad) override;
    void tablo(const QString& ad, const QList<TabloAlanu>& alanlar) override;
    void satir(const QList<Deger>& degerler) override;
    void gorunum(const QString& ad, const QString& sql) override;
    void dizin(const QString& tablo, const QString& alanlar, DizinTuru tur) override;
    void bitir() override;

private:
    void calistir(const QString& sql);
    void kapat();

    QString klasor_;
    sqlite3* db_ = nullptr;
    sqlite3_stmt* ekle_ = nullptr;
    int dizinNo_ = 0;
    QHash<QString, QStringList> metinAlanlari_; // per table
};

// A script that sqlcmd loads into a real SQL Server: databases, tables, rows.
class TsqlYazici : public DemoYazici {
public:
    explicit TsqlYazici(const QString& dosya);
    void veritabani(const QString& ad) override;
    void tablo(const QString& ad, const QList<TabloAlanu>& alanlar) override;
    void satir(const QList<Deger>& degerler) override;
    void gorunum(const QString& ad, const QString& sql) override;
    void dizin(const QString& tablo, const QString& alanlar, DizinTuru tur) override;
    void bitir() override;

private:
    void topluyuBitir();

    QFile dosya_;
    QTextStream out_;
    QString tablo_;
    QString alanListesi_;
    int toplu_ = 0; // rows in the open INSERT
    int dizinNo_ = 0;
};

// Writes to several targets at once.
class CokluYazici : public DemoYazici {
public:
    void ekle(std::unique_ptr<DemoYazici> y) { y_.push_back(std::move(y)); }
    void veritabani(const QString& ad) override {
        for (auto& y : y_) y->veritabani(ad);
    }
    void tablo(const QString& ad, const QList<TabloAlanu>& s) override {
        for (auto& y : y_) y->tablo(ad, s);
    }
    void satir(const QList<Deger>& d) override {
        for (auto& y : y_) y->satir(d);
    }
    void gorunum(const QString& ad, const QString& sql) override {
        for (auto& y : y_) y->gorunum(ad, sql);
    }
    void dizin(const QString& t, const QString& s, DizinTuru tur) override {
        for (auto& y : y_) y->dizin(t, s, tur);
    }
    void bitir() override {
        for (auto& y : y_) y->bitir();
    }

private:
    std::vector<std::unique_ptr<DemoYazici>> y_;
};
