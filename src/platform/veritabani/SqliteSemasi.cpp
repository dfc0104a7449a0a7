#include "platform/veritabani/SqliteSemasi.h"
#include "platform/veritabani/TurkceSiralama.h"

#include <QList>
#include <sqlite3.h>

namespace {

QString u8(const unsigned char* s) { return s ? QString::fromUtf8(reinterpret_cast<const char*>(s)) : QString(); }

QByteArray sondakiBosluksuz(QByteArray b) {
    while (b.endsWith(' ')) b.chop(1);
    return b;
}

// Whether the keys of an index held in the built-in RTRIM order stand in the
// Turkish order too (codes of digits do): only then may lookups through it
// use the Turkish order.
bool turkceSiradaMi(sqlite3* db, const QString& sema, const QString& tablo, const QString& dizin, const QString& alan) {
    auto ad = [](const QString& s) { return u'"' + QString(s).replace(u'"', QLatin1String("\"\"")) + u'"'; };
    const QByteArray q = QStringLiteral("SELECT %1 FROM %2.%3 INDEXED BY %4 WHERE %1 IS NOT NULL ORDER BY %1")
                             .arg(ad(alan), ad(sema), ad(tablo), ad(dizin))
                             .toUtf8();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db, q.constData(), -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_finalize(s);
        return false;
    }
    bool sirali = true;
    QByteArray onceki;
    bool ilk = true;
    while (sirali && sqlite3_step(s) == SQLITE_ROW) {
        const auto* m = reinterpret_cast<const char*>(sqlite3_column_text(s, 0));
        const QByteArray su = sondakiBosluksuz(QByteArray(m, sqlite3_column_bytes(s, 0)));
        if (!ilk) {
            const int k = Turkce_Karsilastir(onceki, su);
            sirali = k < 0 || (k == 0 && onceki == su);
        }
        onceki = su;
        ilk = false;
    }
    sqlite3_finalize(s);
    return sirali;
}

// An index keyed by the built-in RTRIM order is read with the Turkish order
// once the collation is replaced; unless its keys stand in both orders,
// lookups through it would miss rows, and the store keeps the built-in order.
// Returns the first index that prevents the Turkish order, described; empty when none does.
QString turkceSiraEngeli(sqlite3* db) {
    static const char* sql = "SELECT m.name, l.name, x.name, x.coll FROM %1.sqlite_master m, pragma_index_list(m.name, '%1') l,"
                             " pragma_index_xinfo(l.name, '%1') x WHERE m.type='table' AND x.key=1 ORDER BY l.name, x.seqno";
    struct Anahtar {
        QString sema, tablo, dizin, alan;
        bool rtrim;
    };
    for (const char* sema : {SqliteSemasi::kFirma, "Defination_DB"}) {
        const QByteArray q = QString::fromLatin1(sql).arg(QLatin1String(sema)).toUtf8();
        sqlite3_stmt* s = nullptr;
        QList<Anahtar> anahtarlar;
        if (sqlite3_prepare_v2(db, q.constData(), -1, &s, nullptr) == SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW)
                anahtarlar.append({QString::fromLatin1(sema), u8(sqlite3_column_text(s, 0)), u8(sqlite3_column_text(s, 1)),
                                   u8(sqlite3_column_text(s, 2)),
                                   u8(sqlite3_column_text(s, 3)).compare(QLatin1String("RTRIM"), Qt::CaseInsensitive) == 0});
        }
        sqlite3_finalize(s);
        for (const Anahtar& a : anahtarlar) {
            if (!a.rtrim) continue;
            qsizetype alanSayisi = 0;
            for (const Anahtar& b : anahtarlar) alanSayisi += b.dizin == a.dizin ? 1 : 0;
            if (alanSayisi > 1)
                return QStringLiteral("the index %1 on %2 holds the text column %3 among several columns in the RTRIM order")
                    .arg(a.dizin, a.tablo, a.alan);
            if (!turkceSiradaMi(db, a.sema, a.tablo, a.dizin, a.alan))
                return QStringLiteral("the index %1 on %2(%3) holds keys that the Turkish order sorts differently")
                    .arg(a.dizin, a.tablo, a.alan);
        }
    }
    return {};
}

// The declared types of the columns of every table and view, for the
// translation of divisions.
TsqlCevirici::AlanTurleri alanTurleri(sqlite3* db) {
    TsqlCevirici::AlanTurleri t;
    for (const char* sema : {SqliteSemasi::kFirma, "Defination_DB"}) {
        const QByteArray q = QStringLiteral("SELECT m.name, p.name, p.type FROM %1.sqlite_master m, pragma_table_info(m.name, '%1') p"
                                            " WHERE m.type IN ('table','view')")
                                 .arg(QLatin1String(sema))
                                 .toUtf8();
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, q.constData(), -1, &s, nullptr) == SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW) {
                const QString tablo = u8(sqlite3_column_text(s, 0)).toLower(), alan = u8(sqlite3_column_text(s, 1)).toLower();
                const QString tur = u8(sqlite3_column_text(s, 2)).toUpper();
                t.insert(tablo + u'.' + alan, tur);
                const auto o = t.constFind(alan);
                t.insert(alan, o == t.constEnd() || *o == tur ? tur : QString());
            }
        }
        sqlite3_finalize(s);
    }
    return t;
}

bool metinTuru(const QString& tur) {
    return tur.contains(QLatin1String("CHAR")) || tur.contains(QLatin1String("TEXT")) || tur.contains(QLatin1String("CLOB"));
}

// The declared order of every text column, and the single-column keys: a
// whole-number primary key (the row id) and every unique index of one
// column, with the order its values are distinct in.
void anahtarlar(sqlite3* db, SqliteGruplama::Anahtarlar& anahtarlar, SqliteGruplama::Harmanlar& harmanlar) {
    static const char* alanSql = "SELECT m.name, p.name, p.type, p.pk, p.\"notnull\","
                                 " (SELECT COUNT(*) FROM pragma_table_info(m.name, '%1') WHERE pk > 0)"
                                 " FROM %1.sqlite_master m, pragma_table_info(m.name, '%1') p WHERE m.type = 'table'";
    static const char* dizinSql = "SELECT m.name, x.name, x.coll, (SELECT COUNT(*) FROM pragma_index_xinfo(l.name, '%1') WHERE key = 1)"
                                  " FROM %1.sqlite_master m, pragma_index_list(m.name, '%1') l, pragma_index_xinfo(l.name, '%1') x"
                                  " WHERE m.type = 'table' AND l.\"unique\" = 1 AND l.partial = 0 AND x.key = 1 AND x.cid >= 0";
    for (const char* sema : {SqliteSemasi::kFirma, "Defination_DB"}) {
        QHash<QString, bool> bosOlamaz;
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db, QString::fromLatin1(alanSql).arg(QLatin1String(sema)).toUtf8().constData(), -1, &s, nullptr) ==
            SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW) {
                const QString tablo = u8(sqlite3_column_text(s, 0)), alan = u8(sqlite3_column_text(s, 1));
                const QString ad = tablo.toLower() + u'.' + alan.toLower();
                const QString tur = u8(sqlite3_column_text(s, 2)).toUpper();
                bosOlamaz.insert(ad, sqlite3_column_int(s, 4) != 0);
                if (sqlite3_column_int(s, 3) == 1 && sqlite3_column_int(s, 5) == 1 && tur == QLatin1String("INTEGER"))
                    anahtarlar.insert(ad, {QString(), true}); // the row id
                const char* harman = nullptr;
                if (metinTuru(tur) && sqlite3_table_column_metadata(db, sema, tablo.toUtf8().constData(), alan.toUtf8().constData(),
                                                                    nullptr, &harman, nullptr, nullptr, nullptr) == SQLITE_OK)
                    harmanlar.insert(ad, QString::fromLatin1(harman ? harman : "BINARY").toUpper());
            }
        }
        sqlite3_finalize(s);
        s = nullptr;
        if (sqlite3_prepare_v2(db, QString::fromLatin1(dizinSql).arg(QLatin1String(sema)).toUtf8().constData(), -1, &s, nullptr) ==
            SQLITE_OK) {
            while (sqlite3_step(s) == SQLITE_ROW) {
                if (sqlite3_column_int(s, 3) != 1) continue;
                const QString ad = u8(sqlite3_column_text(s, 0)).toLower() + u'.' + u8(sqlite3_column_text(s, 1)).toLower();
                if (anahtarlar.contains(ad)) continue;
                anahtarlar.insert(ad, {harmanlar.contains(ad) ? u8(sqlite3_column_text(s, 2)).toUpper() : QString(), bosOlamaz.value(ad)});
            }
        }
        sqlite3_finalize(s);
    }
}

} // namespace

std::shared_ptr<const SqliteSemasi> SqliteSemasi::oku(sqlite3* db) {
    auto s = std::make_shared<SqliteSemasi>();
    s->ceviri.turler = alanTurleri(db);
    anahtarlar(db, s->ceviri.anahtarlar, s->ceviri.harmanlar);
    s->turkceEngeli = turkceSiraEngeli(db);
    return s;
}
