#pragma once
#include "platform/veritabani/TsqlCevirici.h"

#include <QString>
#include <memory>

struct sqlite3;

// What the program reads of an embedded store's schema once, when it first
// connects to it; the further connections to the same store share it.
struct SqliteSemasi {
    // The name the store's own file is attached under.
    static constexpr const char* kFirma = "firma";
    // Column types, keys and text orders for the translation of statements.
    TsqlCevirici::Sema ceviri;
    // Empty when the store's text may take the Turkish order; else the index
    // that keeps it in byte order, described for the user.
    QString turkceEngeli;

    // Reads the schema of `db` (the store's file and Defination_DB, attached).
    static std::shared_ptr<const SqliteSemasi> oku(sqlite3* db);
};
