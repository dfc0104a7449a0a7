#pragma once
#include "platform/veritabani/TsqlCevirici.h"

#include <QString>
#include <memory>

struct sqlite3;

// What the program reads of an embedded store's schema once, when it first
// connects to it; the further connections to the same store share it.
struct SqliteSemasi {
    // Column types, keys and text orders for the translation of statements.
    TsqlCevirici::Sema ceviri;
    // Empty when the store's text may take the Turkish order; else the index
    // that keeps it in byte order, described for the user.
    QString turkceEngeli;

    // Reads the schema of `db` (its main file and an attached Defination_DB).
    static std::shared_ptr<const SqliteSemasi> oku(sqlite3* db);
};
