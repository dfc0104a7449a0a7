#include "platform/veritabani/SqliteBaglanti.h"
#include "bant/TarihKalibi.h"
#include "platform/veritabani/SqliteSemasi.h"
#include "platform/veritabani/TsqlCevirici.h"
#include "platform/veritabani/TurkceSiralama.h"
#include "bant/VeritabaniHatasi.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>
#include <cstring>
#include <string>
#include <sqlite3.h>

namespace {

QString u8(const unsigned char* s) { return s ? QString::fromUtf8(reinterpret_cast<const char*>(s)) : QString(); }

// "YYYY-MM-DD HH:MM:SS" exactly: how the store keeps a date and how its date
// functions return one.
bool saniyeliTarih(const char* s, int n) {
    if (n != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':') return false;
    for (const int i : {0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18})
        if (static_cast<unsigned char>(s[i] - '0') > 9) return false;
    return true;
}

// The number of `uzunluk` digits at `bas`, checked to be digits by saniyeliTarih().
int rakamlar(const char* s, int bas, int uzunluk) {
    int v = 0;
    for (int i = bas; i < bas + uzunluk; ++i) v = v * 10 + (s[i] - '0');
    return v;
}

// The day of a text that saniyeliTarih() accepted; invalid when it does not exist.
QDate saniyeliGun(const char* s) { return {rakamlar(s, 0, 4), rakamlar(s, 5, 2), rakamlar(s, 8, 2)}; }

// The date of a text that saniyeliTarih() accepted, read from its digits
// without making a string; invalid for a day that does not exist. An hour
// out of range reads as midnight, as tarihMetnindenOku() has it.
QDateTime saniyeliTarihOku(const char* s) {
    const QDate gun = saniyeliGun(s);
    if (!gun.isValid()) return {};
    const QTime saat(rakamlar(s, 11, 2), rakamlar(s, 14, 2), rakamlar(s, 17, 2));
    return QDateTime(gun, saat.isValid() ? saat : QTime(0, 0), Qt::UTC);
}

QDateTime tarihArg(sqlite3_value* v) {
    if (sqlite3_value_type(v) == SQLITE_NULL) return {};
    const QString s = u8(sqlite3_value_text(v));
    QDateTime t = tarihMetnindenOku(s);
    if (!t.isValid()) {
        const QString iso = TsqlCevirici::tarihLiterali(s);
        if (!iso.isEmpty()) t = tarihMetnindenOku(iso);
    }
    return t;
}

void tarihSonucu(sqlite3_context* c, const QDateTime& t) {
    if (!t.isValid()) {
        sqlite3_result_null(c);
        return;
    }
    const QByteArray b = TarihKalibi::saniyeli(t).toUtf8();
    sqlite3_result_text(c, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
}

void fnGetdate(sqlite3_context* c, int, sqlite3_value**) { tarihSonucu(c, QDateTime::currentDateTime()); }

void fnTarih(sqlite3_context* c, int, sqlite3_value** a) { tarihSonucu(c, tarihArg(a[0])); }

void fnLen(sqlite3_context* c, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) == SQLITE_NULL) {
        sqlite3_result_null(c);
        return;
    }
    QString s = u8(sqlite3_value_text(a[0]));
    while (s.endsWith(u' ')) s.chop(1); // LEN ignores trailing blanks
    sqlite3_result_int64(c, s.size());
}

// A value as the server writes it as text: FLOAT and REAL with six
// significant digits ("8", not "8.0"); whole numbers and text as they are.
void fnMetin(sqlite3_context* c, int, sqlite3_value** a) {
    if (sqlite3_value_type(a[0]) != SQLITE_FLOAT) {
        sqlite3_result_value(c, a[0]);
        if (sqlite3_value_type(a[0]) == SQLITE_INTEGER) {
            const QByteArray b = QByteArray::number(sqlite3_value_int64(a[0]));
            sqlite3_result_text(c, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
        }
        return;
    }
    const QByteArray b = TsqlCevirici::ondalikMetni(sqlite3_value_double(a[0])).toUtf8();
    sqlite3_result_text(c, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
}

int fnSiralama(void*, int na, const void* a, int nb, const void* b) {
    return Turkce_Karsilastir(QByteArrayView(static_cast<const char*>(a), na), QByteArrayView(static_cast<const char*>(b), nb));
}

void fnParca(sqlite3_context* c, int, sqlite3_value** a) {
    const QDateTime t = tarihArg(a[0]);
    if (!t.isValid()) {
        sqlite3_result_null(c);
        return;
    }
    const auto hangi = reinterpret_cast<intptr_t>(sqlite3_user_data(c));
    sqlite3_result_int(c, hangi == 0 ? t.date().year() : hangi == 1 ? t.date().month() : t.date().day());
}

// Days added to a date as the store keeps it ("YYYY-MM-DD HH:MM:SS"), on
// the text: the server's datetime knows no time zones, and a report adds
// days to a date on every row. False when the text is not such a date.
bool gunEkle(sqlite3_context* c, sqlite3_value* tarih, qint64 n) {
    if (sqlite3_value_type(tarih) != SQLITE_TEXT) return false;
    const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(tarih));
    if (!saniyeliTarih(s, sqlite3_value_bytes(tarih))) return false;
    const QDate gun = saniyeliGun(s);
    if (!gun.isValid()) return false;
    const QDate r = gun.addDays(n);
    int yil = 0, ay = 0, gunu = 0;
    r.getDate(&yil, &ay, &gunu); // the calendar worked out once, not for each part
    if (!r.isValid() || yil < 1753 || yil > 9999) {
        sqlite3_result_error(c, "Adding a value to a 'datetime' column caused an overflow.", -1);
        return true;
    }
    char sonuc[19];
    std::memcpy(sonuc, s, 19); // the separators and the time of day stay
    auto rakamla = [&sonuc](int v, int bas, int uzunluk) {
        for (int k = bas + uzunluk - 1; k >= bas; --k, v /= 10) sonuc[k] = static_cast<char>('0' + v % 10);
    };
    rakamla(yil, 0, 4);
    rakamla(ay, 5, 2);
    rakamla(gunu, 8, 2);
    sqlite3_result_text(c, sonuc, 19, SQLITE_TRANSIENT);
    return true;
}

// The date parts DATEADD and DATEDIFF know, by their keywords (ASCII, any case).
enum class Parca { Bilinmez, Gun, YilinGunu, Hafta, Ay, Yil, Saat, Dakika, Saniye };

Parca tarihParcasi(sqlite3_value* v) {
    static const struct {
        const char* ad;
        Parca parca;
    } kAdlar[] = {{"day", Parca::Gun},       {"dd", Parca::Gun},        {"d", Parca::Gun},      {"dayofyear", Parca::YilinGunu},
                  {"dy", Parca::YilinGunu},  {"y", Parca::YilinGunu},   {"week", Parca::Hafta}, {"wk", Parca::Hafta},
                  {"ww", Parca::Hafta},      {"month", Parca::Ay},      {"mm", Parca::Ay},      {"m", Parca::Ay},
                  {"year", Parca::Yil},      {"yy", Parca::Yil},        {"yyyy", Parca::Yil},   {"hour", Parca::Saat},
                  {"hh", Parca::Saat},       {"minute", Parca::Dakika}, {"mi", Parca::Dakika},  {"n", Parca::Dakika},
                  {"second", Parca::Saniye}, {"ss", Parca::Saniye},     {"s", Parca::Saniye}};
    const auto* s = reinterpret_cast<const char*>(sqlite3_value_text(v));
    if (s)
        for (const auto& a : kAdlar)
            if (sqlite3_stricmp(s, a.ad) == 0) return a.parca;
    return Parca::Bilinmez;
}

void fnDateadd(sqlite3_context* c, int, sqlite3_value** a) {
    const Parca parca = tarihParcasi(a[0]);
    if (parca == Parca::Gun && sqlite3_value_type(a[1]) != SQLITE_NULL && gunEkle(c, a[2], sqlite3_value_int64(a[1]))) return;
    const QDateTime t = tarihArg(a[2]);
    if (!t.isValid() || sqlite3_value_type(a[1]) == SQLITE_NULL) {
        sqlite3_result_null(c);
        return;
    }
    const qint64 n = sqlite3_value_int64(a[1]);
    QDateTime r;
    switch (parca) {
    case Parca::Gun:
    case Parca::YilinGunu: r = t.addDays(n); break;
    case Parca::Hafta: r = t.addDays(7 * n); break;
    case Parca::Ay: r = t.addMonths(static_cast<int>(n)); break;
    case Parca::Yil: r = t.addYears(static_cast<int>(n)); break;
    case Parca::Saat: r = t.addSecs(3600 * n); break;
    case Parca::Dakika: r = t.addSecs(60 * n); break;
    case Parca::Saniye: r = t.addSecs(n); break;
    case Parca::Bilinmez: sqlite3_result_error(c, "DATEADD: unknown date part", -1); return;
    }
    // The server's datetime holds the years 1753 to 9999 and fails beyond them.
    if (!r.isValid() || r.date().year() < 1753 || r.date().year() > 9999) {
        sqlite3_result_error(c, "Adding a value to a 'datetime' column caused an overflow.", -1);
        return;
    }
    tarihSonucu(c, r);
}

void fnDatediff(sqlite3_context* c, int, sqlite3_value** a) {
    const Parca parca = tarihParcasi(a[0]);
    const QDateTime x = tarihArg(a[1]), y = tarihArg(a[2]);
    if (!x.isValid() || !y.isValid()) {
        sqlite3_result_null(c);
        return;
    }
    qint64 r;
    // DATEDIFF counts boundaries crossed, not elapsed periods.
    switch (parca) {
    case Parca::Gun: r = x.date().daysTo(y.date()); break;
    case Parca::Ay: r = (y.date().year() - x.date().year()) * 12 + y.date().month() - x.date().month(); break;
    case Parca::Yil: r = y.date().year() - x.date().year(); break;
    case Parca::Saat: r = x.secsTo(y) / 3600; break;
    case Parca::Dakika: r = x.secsTo(y) / 60; break;
    case Parca::Saniye: r = x.secsTo(y); break;
    default: sqlite3_result_error(c, "DATEDIFF: unknown date part", -1); return;
    }
    sqlite3_result_int64(c, r);
}

// What a declared SQL Server type says about the values of a column.
enum class Bildirim { Yok, Metin, Tamsayi, Ondalik, Para, Tarih, Bayrak };

Bildirim bildirim(const char* decl) {
    if (!decl) return Bildirim::Yok;
    const QString t = QString::fromLatin1(decl).section(u'(', 0, 0).trimmed().toUpper();
    if (t.contains(QLatin1String("DATE")) || t.contains(QLatin1String("TIME"))) return Bildirim::Tarih;
    if (t.contains(QLatin1String("MONEY")) || t == QLatin1String("DECIMAL") || t == QLatin1String("NUMERIC")) return Bildirim::Para;
    if (t == QLatin1String("BIT")) return Bildirim::Bayrak;
    if (t.contains(QLatin1String("INT"))) return Bildirim::Tamsayi;
    if (t == QLatin1String("FLOAT") || t == QLatin1String("REAL") || t.startsWith(QLatin1String("DOUBLE"))) return Bildirim::Ondalik;
    return Bildirim::Metin;
}

Deger deger(sqlite3_stmt* s, int i, Bildirim b) {
    const int tur = sqlite3_column_type(s, i);
    if (tur == SQLITE_NULL) return {};
    // A date column, or an expression whose value is the store's date text
    // (DATEADD, MAX(Tarih) ...), as it would be on the server: read from the
    // bytes, with no string made, when it is in the store's own form.
    if (tur == SQLITE_TEXT && (b == Bildirim::Tarih || b == Bildirim::Yok)) {
        const auto* bayt = reinterpret_cast<const char*>(sqlite3_column_text(s, i));
        if (saniyeliTarih(bayt, sqlite3_column_bytes(s, i)))
            if (const QDateTime t = saniyeliTarihOku(bayt); t.isValid()) return Deger::tarihten(t);
    }
    const QString metin = tur == SQLITE_TEXT || tur == SQLITE_BLOB ? u8(sqlite3_column_text(s, i)) : QString();
    switch (b) {
    case Bildirim::Tarih: {
        const QDateTime t = tarihMetnindenOku(metin);
        return t.isValid() ? Deger::tarihten(t) : Deger::metinden(metin);
    }
    case Bildirim::Para:
        if (tur == SQLITE_INTEGER) return Deger::paradan(Para::tamdan(sqlite3_column_int64(s, i)));
        if (tur == SQLITE_FLOAT) return Deger::paradan(Para::ondaliktan(sqlite3_column_double(s, i)));
        if (auto p = Para::metinden(metin)) return Deger::paradan(*p);
        return Deger::metinden(metin);
    case Bildirim::Bayrak:
        if (tur == SQLITE_TEXT) return Deger::bayraktan(Deger::metinden(metin).bayrak());
        return Deger::bayraktan(sqlite3_column_double(s, i) != 0.0);
    case Bildirim::Metin:
        if (tur != SQLITE_TEXT) return Deger::metinden(u8(sqlite3_column_text(s, i)));
        return Deger::metinden(metin);
    case Bildirim::Tamsayi:
    case Bildirim::Ondalik:
    case Bildirim::Yok: break;
    }
    if (tur == SQLITE_INTEGER) return Deger::tamsayidan(sqlite3_column_int64(s, i));
    if (tur == SQLITE_FLOAT) return Deger::ondaliktan(sqlite3_column_double(s, i));
    return Deger::metinden(metin);
}

class SqliteImlec : public Imlec {
public:
    SqliteImlec(sqlite3* db, sqlite3_stmt* s) : db_(db), s_(s) {
        const int n = sqlite3_column_count(s);
        for (int i = 0; i < n; ++i) {
            adlar_ << QString::fromUtf8(sqlite3_column_name(s, i));
            turler_.push_back(bildirim(sqlite3_column_decltype(s, i)));
        }
        onceki_.resize(turler_.size());
    }
    ~SqliteImlec() override { sqlite3_finalize(s_); }
    // Owns its statement handle: never copied.
    SqliteImlec(const SqliteImlec&) = delete;
    SqliteImlec& operator=(const SqliteImlec&) = delete;
    const QStringList& alanAdlari() const override { return adlar_; }
    bool sonraki(QList<Deger>& satir) override {
        if (bitti_) return false;
        const int rc = sqlite3_step(s_);
        if (rc == SQLITE_DONE) {
            bitti_ = true;
            return false;
        }
        if (rc != SQLITE_ROW) throw VeritabaniHatasi(HataNo::SorguHatasi, QString::fromUtf8(sqlite3_errmsg(db_)));
        satir.resize(adlar_.size());
        for (int i = 0; i < adlar_.size(); ++i) {
            if (turler_[i] == Bildirim::Metin && sqlite3_column_type(s_, i) == SQLITE_TEXT) {
                satir[i] = Deger::metinden(metin(i));
                continue;
            }
            try {
                satir[i] = deger(s_, i, turler_[i]);
            } catch (const Para::AralikDisi& h) {
                throw VeritabaniHatasi(HataNo::TurUyusmazligi, HataMetni::tutarAralikDisi(adlar_.at(i), h.deger()));
            }
        }
        return true;
    }

private:
    // A text column's value, as the row before's when its bytes are the same:
    // codes, names and kinds repeat from row to row, and a shared string is
    // neither decoded nor allocated again.
    const QString& metin(int i) {
        const char* bayt = reinterpret_cast<const char*>(sqlite3_column_text(s_, i));
        const auto n = static_cast<size_t>(sqlite3_column_bytes(s_, i));
        Onceki& o = onceki_[static_cast<size_t>(i)];
        if (o.metin.isNull() || o.bayt.size() != n || std::memcmp(o.bayt.data(), bayt, n) != 0) {
            o.bayt.assign(bayt, n);
            o.metin = u8(reinterpret_cast<const unsigned char*>(bayt));
        }
        return o.metin;
    }

    sqlite3* db_;
    sqlite3_stmt* s_;
    QStringList adlar_;
    std::vector<Bildirim> turler_;
    struct Onceki {
        std::string bayt;
        QString metin;
    };
    std::vector<Onceki> onceki_;
    bool bitti_ = false;
};

QString salt(const QString& yol) { return QUrl::fromLocalFile(yol).toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro"); }

void girisDenetle(const BaglantiCumlesi& b) {
    const QString dosya = QDir(b.veriKaynagi).filePath(QStringLiteral("Girisler.ini"));
    if (!QFileInfo::exists(dosya)) return;
    QSettings g(dosya, QSettings::IniFormat);
    g.allKeys();
    // A list that is there but cannot be read lets nobody in.
    const QFileInfo bilgi(dosya);
    if (!bilgi.isFile() || !bilgi.isReadable() || g.status() != QSettings::NoError)
        throw VeritabaniHatasi(HataNo::GirisReddedildi, QStringLiteral("Login failed: the list of logins (%1) cannot be read.").arg(dosya));
    if (b.entegreGuvenlik) {
        if (g.value(QStringLiteral("Genel/EntegreGuvenlik"), true).toBool()) return;
        throw VeritabaniHatasi(
            HataNo::GirisReddedildi,
            QStringLiteral("Login failed. The login is from an untrusted domain and cannot be used with Windows authentication."));
    }
    const QString anahtar = QStringLiteral("SqlGirisleri/") + b.kullanici;
    if (!g.contains(anahtar) || g.value(anahtar).toString() != b.sifre)
        throw VeritabaniHatasi(HataNo::GirisReddedildi, QStringLiteral("Login failed for user '%1'.").arg(b.kullanici));
}

// What a statement on the store may do: read tables, call functions, read
// pragmas. Writing, attaching, creating, setting a pragma or a transaction
// is refused when the statement is prepared.
int yetki(void*, int islem, const char* ad, const char* deger, const char*, const char*) {
    switch (islem) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE: return SQLITE_OK;
    case SQLITE_PRAGMA: {
        // A pragma without a value only reads; with one, only those that describe a table.
        if (deger == nullptr) return SQLITE_OK;
        static const QByteArrayList okuyan = {"table_info", "table_xinfo", "index_list", "index_info", "index_xinfo", "foreign_key_list"};
        return okuyan.contains(QByteArray(ad).toLower()) ? SQLITE_OK : SQLITE_DENY;
    }
    default: return SQLITE_DENY;
    }
}

} // namespace

SqliteBaglanti::SqliteBaglanti(const BaglantiCumlesi& b, std::shared_ptr<const SqliteSemasi> sema) : b_(b), sema_(std::move(sema)) {
    girisDenetle(b);
    const QDir klasor(b.veriKaynagi);
    const QString dosya = klasor.filePath(b.katalog + QStringLiteral(".sqlite"));
    if (b.katalog.isEmpty() || !QFileInfo(dosya).isFile())
        throw VeritabaniHatasi(HataNo::Genel,
                               QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.").arg(b.katalog));
    // The store is attached to an empty main database in memory rather than
    // opened as the main one: SQLite sizes its sorter's runs by the main
    // database's page cache, and runs as big as the store's cache (below)
    // made every sorted report slower.
    const int rc = sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db_);
        db_ = nullptr;
        throw VeritabaniHatasi(HataNo::Genel, QStringLiteral("out of memory"));
    }
    ekle(dosya, SqliteSemasi::kFirma);
    sqlite3_busy_timeout(db_, 5000);
    sqlite3_create_function(db_, "GETDATE", 0, SQLITE_UTF8, nullptr, fnGetdate, nullptr, nullptr);
    sqlite3_create_function(db_, "LEN", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fnLen, nullptr, nullptr);
    sqlite3_create_function(db_, "tsql_tarih", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fnTarih, nullptr, nullptr);
    sqlite3_create_function(db_, "tsql_dateadd", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fnDateadd, nullptr, nullptr);
    sqlite3_create_function(db_, "tsql_datediff", 3, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fnDatediff, nullptr, nullptr);
    sqlite3_create_function(db_, "YEAR", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, reinterpret_cast<void*>(0), fnParca, nullptr, nullptr);
    sqlite3_create_function(db_, "MONTH", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, reinterpret_cast<void*>(1), fnParca, nullptr, nullptr);
    sqlite3_create_function(db_, "DAY", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, reinterpret_cast<void*>(2), fnParca, nullptr, nullptr);

    const QString tanim = klasor.filePath(QStringLiteral("Defination_DB.sqlite"));
    if (QFileInfo(tanim).isFile()) ekle(tanim, "Defination_DB");
    sqlite3_exec(db_, "PRAGMA query_only=1", nullptr, nullptr, nullptr);
    // 8 MB of pages hold a large company's customers while its invoices
    // stream by: the default 2 MB read them again for nearly every row (a
    // million invoices took a fifth more CPU), and 16 MB cost a small
    // company more in fresh memory than it saved (as much CPU at a million).
    sqlite3_exec(db_, QByteArray("PRAGMA ") + SqliteSemasi::kFirma + ".cache_size=-8000", nullptr, nullptr, nullptr);
    sqlite3_create_function(db_, "tsql_metin", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, fnMetin, nullptr, nullptr);
    // The store's text columns are declared COLLATE RTRIM (trailing blanks
    // ignored, as the server compares); here that name takes the server's
    // Turkish case-insensitive order. Ordinary SQLite tools keep the built-in one.
    if (!sema_) {
        sema_ = SqliteSemasi::oku(db_);
        if (!sema_->turkceEngeli.isEmpty())
            qWarning().noquote() << QStringLiteral("%1: %2; its text is sorted and compared by its bytes, not in the Turkish order.")
                                        .arg(QDir::toNativeSeparators(dosya), sema_->turkceEngeli);
    }
    if (sema_->turkceEngeli.isEmpty()) sqlite3_create_collation_v2(db_, "RTRIM", SQLITE_UTF8, nullptr, fnSiralama, nullptr);
    sqlite3_set_authorizer(db_, yetki, nullptr);
}

// Attaches a store's file, read-only, under `ad`; the connection is closed
// and the store's own message thrown when it cannot be.
void SqliteBaglanti::ekle(const QString& dosya, const char* ad) {
    const QByteArray ek =
        QStringLiteral("ATTACH DATABASE '%1' AS %2").arg(salt(dosya).replace(u'\'', QLatin1String("''")), QLatin1String(ad)).toUtf8();
    char* hata = nullptr;
    if (sqlite3_exec(db_, ek.constData(), nullptr, nullptr, &hata) == SQLITE_OK) return;
    const QString m = QString::fromUtf8(hata);
    sqlite3_free(hata);
    sqlite3_close(db_);
    db_ = nullptr;
    throw VeritabaniHatasi(HataNo::Genel, m);
}

SqliteBaglanti::~SqliteBaglanti() { sqlite3_close_v2(db_); }

std::shared_ptr<Baglanti> SqliteBaglanti::ikinci() const { return std::make_shared<SqliteBaglanti>(b_, sema_); }

std::unique_ptr<Imlec> SqliteBaglanti::sorgula(const QString& sql) {
    const QByteArray metin = TsqlCevirici::sqliteye(sql, sema_->ceviri).toUtf8();
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(db_, metin.constData(), static_cast<int>(metin.size()), &s, nullptr) != SQLITE_OK) {
        const QString m = QString::fromUtf8(sqlite3_errmsg(db_));
        sqlite3_finalize(s);
        throw VeritabaniHatasi(HataNo::SorguHatasi, m);
    }
    if (!s) throw VeritabaniHatasi(HataNo::SorguHatasi, QStringLiteral("empty statement"));
    // A statement the authorizer has no say on (VACUUM) is refused before it runs.
    if (!sqlite3_stmt_readonly(s)) {
        sqlite3_finalize(s);
        throw VeritabaniHatasi(HataNo::SorguHatasi, QStringLiteral("not authorized: the store may only be read"));
    }
    return std::make_unique<SqliteImlec>(db_, s);
}

QString SqliteBaglanti::kutuphaneSurumu() { return QString::fromLatin1(sqlite3_libversion()); }
