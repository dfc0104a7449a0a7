#include "platform/veritabani/TsqlCevirici.h"
#include "platform/veritabani/VeritabaniHatasi.h"

#include <QDate>
#include <QRegularExpression>
#include <vector>

namespace {

struct Jeton {
    enum Tur { Bosluk, Yorum, Metin, Kimlik, Isaret, Diger } tur;
    QString s;
};

bool kimlikBasi(QChar c) { return c.isLetter() || c == u'_' || c == u'@' || c == u'#'; }
bool kimlikDevami(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$'; }

std::vector<Jeton> ayir(const QString& t) {
    std::vector<Jeton> j;
    const qsizetype n = t.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = t.at(i);
        qsizetype b = i;
        if (c.isSpace()) {
            while (i < n && t.at(i).isSpace()) ++i;
            j.push_back({Jeton::Bosluk, t.mid(b, i - b)});
        } else if (c == u'-' && i + 1 < n && t.at(i + 1) == u'-') {
            while (i < n && t.at(i) != u'\n') ++i;
            j.push_back({Jeton::Yorum, t.mid(b, i - b)});
        } else if (c == u'/' && i + 1 < n && t.at(i + 1) == u'*') {
            const qsizetype son = t.indexOf(QLatin1String("*/"), i + 2);
            i = son < 0 ? n : son + 2;
            j.push_back({Jeton::Yorum, t.mid(b, i - b)});
        } else if (c == u'\'' || ((c == u'N' || c == u'n') && i + 1 < n && t.at(i + 1) == u'\'')) {
            if (c != u'\'') {
                ++i;
                ++b;
            } // N'...' is a Unicode literal; SQLite text always is
            ++i;
            while (i < n) {
                if (t.at(i) == u'\'') {
                    if (i + 1 < n && t.at(i + 1) == u'\'') {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            j.push_back({Jeton::Metin, t.mid(b, i - b)});
        } else if (c == u'[' || c == u'"') {
            const QChar kapa = c == u'[' ? u']' : u'"';
            ++i;
            while (i < n && t.at(i) != kapa) ++i;
            if (i < n) ++i;
            j.push_back({Jeton::Kimlik, t.mid(b, i - b)});
        } else if (kimlikBasi(c)) {
            while (i < n && kimlikDevami(t.at(i))) ++i;
            j.push_back({Jeton::Kimlik, t.mid(b, i - b)});
        } else if (c.isDigit()) {
            while (i < n && (t.at(i).isLetterOrNumber() || t.at(i) == u'.')) ++i;
            j.push_back({Jeton::Diger, t.mid(b, i - b)});
        } else {
            ++i;
            j.push_back({Jeton::Isaret, QString(c)});
        }
    }
    return j;
}

QString cozulmusAd(const Jeton& j) {
    if (j.tur != Jeton::Kimlik) return {};
    if (j.s.startsWith(u'[') || j.s.startsWith(u'"')) return j.s.mid(1, j.s.size() - 2).toLower();
    return j.s.toLower();
}

bool isaretMi(const Jeton& j, QChar c) { return j.tur == Jeton::Isaret && j.s.size() == 1 && j.s.at(0) == c; }

class Cevirici {
public:
    explicit Cevirici(std::vector<Jeton> j) : j_(std::move(j)) {}
    QString cevir() { return aralik(0, j_.size()); }

private:
    // Index of the next token that is not blank or comment, or `son`.
    size_t anlamli(size_t i, size_t son) const {
        while (i < son && (j_[i].tur == Jeton::Bosluk || j_[i].tur == Jeton::Yorum)) ++i;
        return i;
    }

    // Index of the ")" that closes the "(" at `ac`, or `son` when unbalanced.
    size_t kapanis(size_t ac, size_t son) const {
        int derinlik = 0;
        for (size_t i = ac; i < son; ++i) {
            if (isaretMi(j_[i], u'('))
                ++derinlik;
            else if (isaretMi(j_[i], u')') && --derinlik == 0)
                return i;
        }
        return son;
    }

    // The top-level arguments of the call whose "(" is at `ac` and ")" at `kapa`.
    std::vector<std::pair<size_t, size_t>> argumanlar(size_t ac, size_t kapa) const {
        std::vector<std::pair<size_t, size_t>> a;
        int derinlik = 0;
        size_t bas = ac + 1;
        for (size_t i = ac + 1; i < kapa; ++i) {
            if (isaretMi(j_[i], u'('))
                ++derinlik;
            else if (isaretMi(j_[i], u')'))
                --derinlik;
            else if (derinlik == 0 && isaretMi(j_[i], u',')) {
                a.emplace_back(bas, i);
                bas = i + 1;
            }
        }
        a.emplace_back(bas, kapa);
        return a;
    }

    QString hamMetin(size_t bas, size_t son) const {
        QString s;
        for (size_t i = bas; i < son; ++i) s += j_[i].s;
        return s.trimmed();
    }

    QString convertYaz(const QString& tur, const QString& ifade, const QString& stil) const {
        QString t = tur.toLower();
        t.remove(u' ');
        const QString base = t.section(u'(', 0, 0);
        const QString x = u'(' + ifade + u')';
        if (base == QLatin1String("money") || base == QLatin1String("smallmoney"))
            return QStringLiteral("ROUND(CAST(%1 AS REAL),4)").arg(x);
        if (base == QLatin1String("int") || base == QLatin1String("bigint") || base == QLatin1String("smallint") ||
            base == QLatin1String("tinyint"))
            return QStringLiteral("CAST(%1 AS INTEGER)").arg(x);
        if (base == QLatin1String("bit")) return QStringLiteral("(CASE WHEN %1 IS NULL THEN NULL WHEN %1<>0 THEN 1 ELSE 0 END)").arg(x);
        if (base == QLatin1String("decimal") || base == QLatin1String("numeric")) {
            const QString olcek = t.section(u',', 1, 1).section(u')', 0, 0);
            if (!olcek.isEmpty()) return QStringLiteral("ROUND(CAST(%1 AS REAL),%2)").arg(x, olcek);
            return QStringLiteral("ROUND(CAST(%1 AS REAL),0)").arg(x);
        }
        if (base == QLatin1String("float") || base == QLatin1String("real")) return QStringLiteral("CAST(%1 AS REAL)").arg(x);
        if (base == QLatin1String("datetime") || base == QLatin1String("smalldatetime") || base == QLatin1String("date"))
            return QStringLiteral("tsql_tarih(%1)").arg(x);
        if (base.contains(QLatin1String("char")) || base == QLatin1String("text") || base == QLatin1String("ntext")) {
            if (stil == QLatin1String("104")) return QStringLiteral("strftime('%d.%m.%Y',tsql_tarih(%1))").arg(x);
            if (stil == QLatin1String("103")) return QStringLiteral("strftime('%d/%m/%Y',tsql_tarih(%1))").arg(x);
            if (stil == QLatin1String("112")) return QStringLiteral("strftime('%Y%m%d',tsql_tarih(%1))").arg(x);
            return QStringLiteral("(tsql_metin%1 COLLATE RTRIM)").arg(x);
        }
        return x;
    }

    QString aralik(size_t bas, size_t son) {
        QString cikti;
        QString oncekiAnlamli; // last significant token written
        for (size_t i = bas; i < son; ++i) {
            const Jeton& t = j_[i];
            if (t.tur == Jeton::Metin) {
                const QString icerik = t.s.mid(1, t.s.size() - 2);
                const QString tarih = TsqlCevirici::tarihLiterali(icerik);
                // The server reads such a literal as a date and fails on one that is none.
                if (tarih.isEmpty() && TsqlCevirici::tarihDenemesi(icerik))
                    throw VeritabaniHatasi(HataNo::SorguHatasi, TsqlCevirici::tarihDonusumHatasi());
                cikti += tarih.isEmpty() ? t.s : u'\'' + tarih + u'\'';
                oncekiAnlamli = t.s;
                continue;
            }
            if (t.tur == Jeton::Isaret && t.s == QLatin1String(".") && i + 1 < son && isaretMi(j_[i + 1], u'.')) {
                continue; // "db..table" names the default schema
            }
            if (t.tur == Jeton::Kimlik) {
                const QString ad = cozulmusAd(t);
                // "dbo." in a dotted name: SQLite has no schemas inside a database.
                if (ad == QLatin1String("dbo") && i + 1 < son && isaretMi(j_[i + 1], u'.')) {
                    ++i;
                    continue;
                }
                const size_t ac = anlamli(i + 1, son);
                const bool cagri = ac < son && isaretMi(j_[ac], u'(') && oncekiAnlamli != QLatin1String(".");
                if (cagri && ad == QLatin1String("isnull")) {
                    cikti += QStringLiteral("IFNULL");
                    oncekiAnlamli = t.s;
                    continue;
                }
                if (cagri && (ad == QLatin1String("rtrim") || ad == QLatin1String("ltrim"))) {
                    const size_t kapa = kapanis(ac, son);
                    if (kapa < son) {
                        // A number becomes text as the server writes it; the result
                        // compares and sorts by the store's text collation.
                        cikti += t.s + QStringLiteral("(tsql_metin(") + aralik(ac + 1, kapa).trimmed() + QStringLiteral(")) COLLATE RTRIM");
                        i = kapa;
                        oncekiAnlamli = QStringLiteral(")");
                        continue;
                    }
                }
                if (cagri && (ad == QLatin1String("convert") || ad == QLatin1String("dateadd") || ad == QLatin1String("datediff"))) {
                    const size_t kapa = kapanis(ac, son);
                    if (kapa < son) {
                        const auto a = argumanlar(ac, kapa);
                        if (ad == QLatin1String("convert") && a.size() >= 2) {
                            const QString stil = a.size() >= 3 ? hamMetin(a[2].first, a[2].second) : QString();
                            cikti += convertYaz(hamMetin(a[0].first, a[0].second), aralik(a[1].first, a[1].second).trimmed(), stil);
                            i = kapa;
                            oncekiAnlamli = QStringLiteral(")");
                            continue;
                        }
                        if (ad != QLatin1String("convert") && a.size() == 3) {
                            cikti += QStringLiteral("tsql_%1('%2',%3,%4)")
                                         .arg(ad, hamMetin(a[0].first, a[0].second).toLower(), aralik(a[1].first, a[1].second).trimmed(),
                                              aralik(a[2].first, a[2].second).trimmed());
                            i = kapa;
                            oncekiAnlamli = QStringLiteral(")");
                            continue;
                        }
                    }
                }
            }
            cikti += t.s;
            if (t.tur != Jeton::Bosluk && t.tur != Jeton::Yorum) oncekiAnlamli = t.s;
        }
        return cikti;
    }

    std::vector<Jeton> j_;
};

} // namespace

namespace TsqlCevirici {

QString tarihLiterali(const QString& icerik) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,2})/(\d{1,2})/(\d{4}|\d{2})\s*$)"));
    const auto m = re.match(icerik);
    if (!m.hasMatch()) return {};
    int yil = m.captured(3).toInt();
    // A two-digit year as the server reads it: up to 49 in this century, from 50 in the last.
    if (m.captured(3).size() == 2) yil += yil <= 49 ? 2000 : 1900;
    const QDate d(yil, m.captured(1).toInt(), m.captured(2).toInt());
    if (!d.isValid()) return {};
    return d.toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(" 00:00:00");
}

bool tarihDenemesi(const QString& icerik) {
    int egik = 0;
    bool rakam = false;
    for (QChar c : icerik) {
        if (c == u'/')
            ++egik;
        else if (c >= u'0' && c <= u'9')
            rakam = true;
        else if (c != u' ')
            return false;
    }
    return egik >= 2 && rakam;
}

QString ondalikMetni(double d) {
    // Six significant digits; an exponent of at least three digits, as "1e+006".
    QString s = QString::asprintf("%.6g", d);
    const qsizetype e = s.indexOf(u'e');
    if (e >= 0) {
        const QString us = s.mid(e + 2);
        s = s.left(e + 2) + QString(qMax<qsizetype>(0, 3 - us.size()), u'0') + us;
    }
    return s;
}

QString tarihDonusumHatasi() { return QStringLiteral("Conversion failed when converting date and/or time from character string."); }

QString sqliteye(const QString& tsql) { return Cevirici(ayir(tsql)).cevir(); }

} // namespace TsqlCevirici
