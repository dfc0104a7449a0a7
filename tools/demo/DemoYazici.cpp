#include "DemoYazici.h"

#include <QDir>
#include <QRegularExpression>
#include <sqlite3.h>
#include <stdexcept>

namespace {

[[noreturn]] void hata(const QString& m) { throw std::runtime_error(m.toStdString()); }

bool metinTuru(const QString& tur) { return tur.contains(QLatin1String("CHAR"), Qt::CaseInsensitive); }

QString tarihMetni(const QDateTime& t, const char* bicim) { return t.toString(QString::fromLatin1(bicim)); }

} // namespace

// ---- SQLite ---------------------------------------------------------------

SqliteYazici::~SqliteYazici() { kapat(); }

void SqliteYazici::kapat() {
    if (ekle_) sqlite3_finalize(ekle_);
    ekle_ = nullptr;
    if (db_) {
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    db_ = nullptr;
}

void SqliteYazici::calistir(const QString& sql) {
    char* m = nullptr;
    if (sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &m) != SQLITE_OK) {
        const QString metin = QString::fromUtf8(m) + QStringLiteral(": ") + sql;
        sqlite3_free(m);
        hata(metin);
    }
}

void SqliteYazici::veritabani(const QString& ad) {
    kapat();
    QDir().mkpath(klasor_);
    const QString yol = QDir(klasor_).filePath(ad + QStringLiteral(".sqlite"));
    QFile::remove(yol);
    if (sqlite3_open(yol.toUtf8().constData(), &db_) != SQLITE_OK) hata(QStringLiteral("cannot create ") + yol);
    calistir(QStringLiteral("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN"));
}

void SqliteYazici::tablo(const QString& ad, const QList<TabloAlanu>& alanlar) {
    if (ekle_) sqlite3_finalize(ekle_);
    QStringList tanim, adlar, yerler;
    QStringList& metinler = metinAlanlari_[ad];
    for (const TabloAlanu& s : alanlar) {
        if (s.birincil)
            tanim << s.ad + QStringLiteral(" INTEGER PRIMARY KEY");
        else
            tanim << s.ad + u' ' + s.tur + (metinTuru(s.tur) ? QStringLiteral(" COLLATE RTRIM") : QString());
        if (metinTuru(s.tur)) metinler << s.ad.toLower();
        adlar << s.ad;
        yerler << QStringLiteral("?");
    }
    calistir(QStringLiteral("CREATE TABLE %1 (%2)").arg(ad, tanim.join(QStringLiteral(", "))));
    const QByteArray sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(ad, adlar.join(u','), yerler.join(u',')).toUtf8();
    if (sqlite3_prepare_v2(db_, sql.constData(), -1, &ekle_, nullptr) != SQLITE_OK) hata(QString::fromUtf8(sqlite3_errmsg(db_)));
}

void SqliteYazici::satir(const QList<Deger>& degerler) {
    for (int i = 0; i < degerler.size(); ++i) {
        const Deger& d = degerler.at(i);
        const int n = i + 1;
        switch (d.tur()) {
        case Deger::Tur::Bos: sqlite3_bind_null(ekle_, n); break;
        case Deger::Tur::Metin: {
            const QByteArray b = d.metin().toUtf8();
            sqlite3_bind_text(ekle_, n, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            break;
        }
        case Deger::Tur::Tamsayi: sqlite3_bind_int64(ekle_, n, d.tamsayi()); break;
        case Deger::Tur::Bayrak: sqlite3_bind_int(ekle_, n, d.bayrak() ? 1 : 0); break;
        case Deger::Tur::Ondalik: sqlite3_bind_double(ekle_, n, d.ondalik()); break;
        case Deger::Tur::Para: sqlite3_bind_double(ekle_, n, d.para().ondalik()); break;
        case Deger::Tur::Tarih: {
            const QByteArray b = tarihMetni(d.tarih(), "yyyy-MM-dd HH:mm:ss").toUtf8();
            sqlite3_bind_text(ekle_, n, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
            break;
        }
        }
    }
    if (sqlite3_step(ekle_) != SQLITE_DONE) hata(QString::fromUtf8(sqlite3_errmsg(db_)));
    sqlite3_reset(ekle_);
}

void SqliteYazici::gorunum(const QString& ad, const QString& sql) { calistir(QStringLiteral("CREATE VIEW %1 AS %2").arg(ad, sql)); }

void SqliteYazici::dizin(const QString& tablo, const QString& alanlar, DizinTuru tur) {
    QStringList anahtar = alanlar.split(u',');
    for (QString& s : anahtar) {
        s = s.trimmed();
        if (anahtar.size() > 1 && metinAlanlari_.value(tablo).contains(s.toLower())) s += QStringLiteral(" COLLATE BINARY");
    }
    calistir(QStringLiteral("CREATE %1INDEX IX_%2_%3 ON %2 (%4)")
                 .arg(tur == DizinTuru::Benzersiz ? QStringLiteral("UNIQUE ") : QString(), tablo)
                 .arg(++dizinNo_)
                 .arg(anahtar.join(QStringLiteral(", "))));
}

void SqliteYazici::bitir() { kapat(); }

// ---- T-SQL ----------------------------------------------------------------

namespace {

QString tsqlDegeri(const Deger& d) {
    switch (d.tur()) {
    case Deger::Tur::Bos: return QStringLiteral("NULL");
    case Deger::Tur::Metin: {
        QString s = d.metin();
        s.replace(u'\'', QLatin1String("''"));
        return QStringLiteral("N'") + s + u'\'';
    }
    case Deger::Tur::Tamsayi: return QString::number(d.tamsayi());
    case Deger::Tur::Bayrak: return d.bayrak() ? QStringLiteral("1") : QStringLiteral("0");
    case Deger::Tur::Ondalik: return QString::number(d.ondalik(), 'g', 17);
    case Deger::Tur::Para: return d.para().metin();
    case Deger::Tur::Tarih: return u'\'' + tarihMetni(d.tarih(), "yyyyMMdd HH:mm:ss") + u'\'';
    }
    return QStringLiteral("NULL");
}

} // namespace

TsqlYazici::TsqlYazici(const QString& dosya) : dosya_(dosya) {
    if (!dosya_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) hata(QStringLiteral("cannot write ") + dosya);
    out_.setDevice(&dosya_);
    out_.setEncoding(QStringConverter::Utf8);
    out_.setGenerateByteOrderMark(true);
    out_ << "-- Demo company for Fatura Listesi. Load with: sqlcmd -S SERVER -U USER -P PASSWORD -f 65001 -i FILE\n"
            "SET NOCOUNT ON;\nGO\n";
}

void TsqlYazici::topluyuBitir() {
    if (toplu_ > 0) out_ << ";\nGO\n";
    toplu_ = 0;
}

void TsqlYazici::veritabani(const QString& ad) {
    topluyuBitir();
    out_ << QStringLiteral("IF DB_ID(N'%1') IS NOT NULL BEGIN ALTER DATABASE [%1] SET SINGLE_USER WITH ROLLBACK IMMEDIATE; DROP DATABASE "
                           "[%1]; END\nGO\n"
                           "CREATE DATABASE [%1];\nGO\nUSE [%1];\nGO\n")
                .arg(ad);
}

void TsqlYazici::tablo(const QString& ad, const QList<TabloAlanu>& alanlar) {
    topluyuBitir();
    QStringList tanim, adlar;
    for (const TabloAlanu& s : alanlar) {
        // Unicode columns keep every Turkish letter whatever the server's collation.
        QString tur = s.tur;
        if (tur.startsWith(QLatin1String("VARCHAR"), Qt::CaseInsensitive)) tur.prepend(u'N');
        tanim << QStringLiteral("[%1] %2 %3").arg(s.ad, tur, s.birincil ? QStringLiteral("NOT NULL PRIMARY KEY") : QStringLiteral("NULL"));
        adlar << u'[' + s.ad + u']';
    }
    out_ << QStringLiteral("CREATE TABLE dbo.[%1] (%2);\nGO\n").arg(ad, tanim.join(QStringLiteral(", ")));
    tablo_ = ad;
    alanListesi_ = adlar.join(u',');
}

void TsqlYazici::satir(const QList<Deger>& degerler) {
    // One INSERT takes at most 1000 rows.
    if (toplu_ == 1000) topluyuBitir();
    QStringList v;
    for (const Deger& d : degerler) v << tsqlDegeri(d);
    out_ << (toplu_ == 0 ? QStringLiteral("INSERT INTO dbo.[%1] (%2) VALUES\n").arg(tablo_, alanListesi_) : QStringLiteral(",\n")) << u'('
         << v.join(u',') << u')';
    ++toplu_;
}

void TsqlYazici::gorunum(const QString& ad, const QString& sql) {
    topluyuBitir();
    // Literals become Unicode ones, so 'İndirim' keeps its dotted İ on any collation.
    QString metin = sql;
    metin.replace(QRegularExpression(QStringLiteral("'([^']*)'")), QStringLiteral("N'\\1'"));
    out_ << QStringLiteral("CREATE VIEW dbo.[%1] AS %2;\nGO\n").arg(ad, metin);
}

void TsqlYazici::dizin(const QString& tablo, const QString& alanlar, DizinTuru tur) {
    topluyuBitir();
    out_ << QStringLiteral("CREATE %1INDEX IX_%2_%3 ON dbo.[%2] (%4);\nGO\n")
                .arg(tur == DizinTuru::Benzersiz ? QStringLiteral("UNIQUE ") : QString(), tablo)
                .arg(++dizinNo_)
                .arg(alanlar);
}

void TsqlYazici::bitir() {
    topluyuBitir();
    out_.flush();
    dosya_.close();
}
