#include "platform/veritabani/OdbcBaglanti.h"
#include "bant/VeritabaniHatasi.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include <sql.h>
#include <sqlext.h>

namespace {

struct Teshis {
    QString durum; // SQLSTATE
    QString metin;
};

Teshis teshis(SQLSMALLINT tur, SQLHANDLE h) {
    Teshis t;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR durum[6] = {0};
        SQLCHAR mesaj[1024] = {0};
        SQLINTEGER yerel = 0;
        SQLSMALLINT uzunluk = 0;
        const SQLRETURN rc = SQLGetDiagRec(tur, h, i, durum, &yerel, mesaj, sizeof mesaj, &uzunluk);
        if (!SQL_SUCCEEDED(rc)) break;
        if (t.durum.isEmpty()) t.durum = QString::fromLatin1(reinterpret_cast<char*>(durum));
        if (!t.metin.isEmpty()) t.metin += u'\n';
        t.metin += QString::fromUtf8(reinterpret_cast<char*>(mesaj));
    }
    if (t.metin.isEmpty()) t.metin = QStringLiteral("ODBC error");
    return t;
}

[[noreturn]] void hataAt(SQLSMALLINT tur, SQLHANDLE h, qint64 varsayilan) {
    const Teshis t = teshis(tur, h);
    throw VeritabaniHatasi(Odbc_Hata_Numarasi(t.durum, varsayilan), t.metin);
}

enum class Sinif { Metin, Tamsayi, Ondalik, Para, Tarih, Bayrak };

Sinif sinif(SQLLEN tur, const QString& turAdi, SQLLEN olcek) {
    const QString ad = turAdi.toLower();
    if (ad.contains(QLatin1String("money"))) return Sinif::Para;
    if (ad == QLatin1String("bit") || tur == SQL_BIT) return Sinif::Bayrak;
    if (ad.contains(QLatin1String("date")) || ad.contains(QLatin1String("time")) || tur == SQL_TYPE_TIMESTAMP || tur == SQL_TYPE_DATE ||
        tur == SQL_DATETIME || tur == SQL_TIMESTAMP)
        return Sinif::Tarih;
    switch (tur) {
    case SQL_INTEGER:
    case SQL_SMALLINT:
    case SQL_TINYINT:
    case SQL_BIGINT: return Sinif::Tamsayi;
    case SQL_FLOAT:
    case SQL_REAL:
    case SQL_DOUBLE: return Sinif::Ondalik;
    case SQL_DECIMAL:
    case SQL_NUMERIC: return olcek <= 4 ? Sinif::Para : Sinif::Ondalik;
    default: return Sinif::Metin;
    }
}

Deger donustur(const QString& s, Sinif c) {
    switch (c) {
    case Sinif::Metin: return Deger::metinden(s);
    case Sinif::Tamsayi: {
        bool tamam = false;
        const qint64 n = s.toLongLong(&tamam);
        return tamam ? Deger::tamsayidan(n) : Deger::metinden(s);
    }
    case Sinif::Ondalik: {
        bool tamam = false;
        const double d = s.toDouble(&tamam);
        return tamam ? Deger::ondaliktan(d) : Deger::metinden(s);
    }
    case Sinif::Para: {
        const auto p = Para::metinden(s);
        return p ? Deger::paradan(*p) : Deger::metinden(s);
    }
    case Sinif::Tarih: {
        const QDateTime t = tarihMetnindenOku(s);
        return t.isValid() ? Deger::tarihten(t) : Deger::metinden(s);
    }
    case Sinif::Bayrak: return Deger::bayraktan(Deger::metinden(s).bayrak());
    }
    return {};
}

class OdbcImlec : public Imlec {
public:
    explicit OdbcImlec(SQLHSTMT s) : s_(s) {
        SQLSMALLINT n = 0;
        SQLNumResultCols(s_, &n);
        for (SQLSMALLINT i = 1; i <= n; ++i) {
            SQLCHAR ad[512] = {0};
            SQLSMALLINT adUz = 0;
            SQLColAttribute(s_, i, SQL_DESC_NAME, ad, sizeof ad, &adUz, nullptr);
            SQLCHAR turAdi[128] = {0};
            SQLSMALLINT turUz = 0;
            SQLColAttribute(s_, i, SQL_DESC_TYPE_NAME, turAdi, sizeof turAdi, &turUz, nullptr);
            SQLLEN tur = 0, olcek = 0;
            SQLColAttribute(s_, i, SQL_DESC_CONCISE_TYPE, nullptr, 0, nullptr, &tur);
            SQLColAttribute(s_, i, SQL_DESC_SCALE, nullptr, 0, nullptr, &olcek);
            adlar_ << QString::fromUtf8(reinterpret_cast<char*>(ad));
            siniflar_.push_back(sinif(tur, QString::fromUtf8(reinterpret_cast<char*>(turAdi)), olcek));
        }
    }
    ~OdbcImlec() override { SQLFreeHandle(SQL_HANDLE_STMT, s_); }
    // Owns its statement handle: never copied.
    OdbcImlec(const OdbcImlec&) = delete;
    OdbcImlec& operator=(const OdbcImlec&) = delete;
    const QStringList& alanAdlari() const override { return adlar_; }

    bool sonraki(QList<Deger>& satir) override {
        if (bitti_) return false;
        const SQLRETURN rc = SQLFetch(s_);
        if (rc == SQL_NO_DATA) {
            bitti_ = true;
            return false;
        }
        if (!SQL_SUCCEEDED(rc)) hataAt(SQL_HANDLE_STMT, s_, HataNo::SorguHatasi);
        satir.resize(adlar_.size());
        for (int i = 0; i < adlar_.size(); ++i) satir[i] = oku(static_cast<SQLUSMALLINT>(i + 1), siniflar_[i]);
        return true;
    }

private:
    Deger oku(SQLUSMALLINT alan, Sinif c) {
        QByteArray tampon;
        char parca[4096];
        for (;;) {
            SQLLEN gosterge = 0;
            const SQLRETURN rc = SQLGetData(s_, alan, SQL_C_CHAR, parca, sizeof parca, &gosterge);
            if (rc == SQL_NO_DATA) break;
            if (!SQL_SUCCEEDED(rc)) hataAt(SQL_HANDLE_STMT, s_, HataNo::SorguHatasi);
            if (gosterge == SQL_NULL_DATA) return {};
            const bool tasti = rc == SQL_SUCCESS_WITH_INFO && (gosterge == SQL_NO_TOTAL || gosterge >= static_cast<SQLLEN>(sizeof parca));
            tampon.append(parca, tasti ? static_cast<qsizetype>(sizeof parca - 1) : static_cast<qsizetype>(qstrlen(parca)));
            if (!tasti) break;
        }
        return donustur(QString::fromUtf8(tampon), c);
    }

    SQLHSTMT s_;
    QStringList adlar_;
    std::vector<Sinif> siniflar_;
    bool bitti_ = false;
};

} // namespace

qint64 Odbc_Hata_Numarasi(const QString& sqlstate, qint64 varsayilan) {
    return sqlstate == QLatin1String("28000") ? HataNo::GirisReddedildi : varsayilan;
}

namespace {

// A login that runs on a thread of its own. Whoever finishes last, the
// login or the one waiting for it, frees the handles: a login left behind
// at the deadline cleans up after itself when the driver returns.
struct Giris {
    std::mutex kilit;
    std::condition_variable bitti;
    bool sonuclandi = false;
    bool birakildi = false;
    SQLRETURN rc = SQL_ERROR;
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    QByteArray cumle;

    void serbestBirak() const {
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_ENV, env);
    }
};

} // namespace

std::shared_ptr<Baglanti> OdbcBaglanti::ikinci() const {
    return std::make_shared<OdbcBaglanti>(cumle_, QDeadlineTimer(std::chrono::seconds(Baglanti::girisZamanAsimi())), sorguZamanAsimi_);
}

OdbcBaglanti::OdbcBaglanti(const QString& odbcCumlesi, QDeadlineTimer son, int sorguZamanAsimiSn)
    : cumle_(odbcCumlesi), sorguZamanAsimi_(sorguZamanAsimiSn) {
    auto g = std::make_shared<Giris>();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &g->env)))
        throw VeritabaniHatasi(HataNo::Genel, QStringLiteral("ODBC environment could not be created"));
    SQLSetEnvAttr(g->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    SQLAllocHandle(SQL_HANDLE_DBC, g->env, &g->dbc);
    // The driver's own timeouts still serve a server that keeps silent.
    const auto sn = static_cast<SQLLEN>(qMax<qint64>(1, (son.remainingTime() + 999) / 1000));
    SQLSetConnectAttr(g->dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(sn), 0);
    SQLSetConnectAttr(g->dbc, SQL_ATTR_CONNECTION_TIMEOUT, reinterpret_cast<SQLPOINTER>(sn), 0);
    g->cumle = odbcCumlesi.toUtf8();
    std::thread is([g] {
        SQLCHAR cikti[1024];
        SQLSMALLINT ciktiUz = 0;
        const SQLRETURN rc = SQLDriverConnect(g->dbc, nullptr, reinterpret_cast<SQLCHAR*>(g->cumle.data()), SQL_NTS, cikti, sizeof cikti,
                                              &ciktiUz, SQL_DRIVER_NOPROMPT);
        std::lock_guard<std::mutex> k(g->kilit);
        g->rc = rc;
        g->sonuclandi = true;
        if (g->birakildi) {
            if (SQL_SUCCEEDED(rc)) SQLDisconnect(g->dbc);
            g->serbestBirak();
        }
        g->bitti.notify_all();
    });
    {
        std::unique_lock<std::mutex> k(g->kilit);
        const auto kalan = std::chrono::milliseconds(qMax<qint64>(0, son.remainingTime()));
        if (!g->bitti.wait_for(k, son.isForever() ? std::chrono::hours(24 * 365) : kalan, [&] { return g->sonuclandi; })) {
            g->birakildi = true;
            k.unlock();
            is.detach();
            throw VeritabaniHatasi(HataNo::Genel, QStringLiteral("Login timeout expired"));
        }
    }
    is.join();
    if (!SQL_SUCCEEDED(g->rc)) {
        try {
            hataAt(SQL_HANDLE_DBC, g->dbc, HataNo::Genel);
        } catch (...) {
            g->serbestBirak();
            throw;
        }
    }
    env_ = g->env;
    dbc_ = g->dbc;
    // The program never writes; drivers that cannot promise it just refuse the attribute.
    SQLSetConnectAttr(g->dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
    SQLCHAR dbms[128] = {};
    SQLSMALLINT dbmsUz = 0;
    SQLGetInfo(g->dbc, SQL_DBMS_NAME, dbms, sizeof dbms, &dbmsUz);
    for (const QString& komut : oturumKomutlari(QString::fromUtf8(reinterpret_cast<const char*>(dbms))))
        sorgula(komut); // errors reach the caller, and the destructor closes the connection
}

QStringList OdbcBaglanti::oturumKomutlari(const QString& dbmsAdi) {
    // The composer writes dates as 'MM/DD/YYYY', which SQL Server reads by the
    // session's date order, and that follows the login's language: a Turkish
    // login would read '12/31/2026' as day 12 of month 31.
    if (dbmsAdi.contains(QLatin1String("SQL Server"), Qt::CaseInsensitive)) return {QStringLiteral("SET DATEFORMAT mdy")};
    return {};
}

OdbcBaglanti::~OdbcBaglanti() {
    if (dbc_) {
        SQLDisconnect(static_cast<SQLHDBC>(dbc_));
        SQLFreeHandle(SQL_HANDLE_DBC, static_cast<SQLHDBC>(dbc_));
    }
    if (env_) SQLFreeHandle(SQL_HANDLE_ENV, static_cast<SQLHENV>(env_));
}

std::unique_ptr<Imlec> OdbcBaglanti::sorgula(const QString& sql) {
    SQLHSTMT s = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, static_cast<SQLHDBC>(dbc_), &s)))
        hataAt(SQL_HANDLE_DBC, static_cast<SQLHDBC>(dbc_), HataNo::Genel);
    // A server that stops answering ends the statement with its error instead of hanging the form.
    SQLSetStmtAttr(s, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(sorguZamanAsimi_)), 0);
    const QByteArray metin = sql.toUtf8();
    const SQLRETURN rc = SQLExecDirect(s, reinterpret_cast<SQLCHAR*>(const_cast<char*>(metin.constData())), SQL_NTS);
    if (!SQL_SUCCEEDED(rc) && rc != SQL_NO_DATA) {
        try {
            hataAt(SQL_HANDLE_STMT, s, HataNo::SorguHatasi);
        } catch (...) {
            SQLFreeHandle(SQL_HANDLE_STMT, s);
            throw;
        }
    }
    return std::make_unique<OdbcImlec>(s);
}
