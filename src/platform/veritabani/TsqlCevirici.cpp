#include "platform/veritabani/TsqlCevirici.h"
#include "platform/veritabani/SqlJetonlari.h"
#include "platform/veritabani/SqliteGruplama.h"
#include "bant/VeritabaniHatasi.h"

#include <QDate>
#include <QRegularExpression>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

class Cevirici {
public:
    Cevirici(std::vector<Jeton> j, const TsqlCevirici::AlanTurleri& turler) : j_(std::move(j)), turler_(turler) {}
    QString cevir() {
        bolmeleriDuzelt();
        return aralik(0, j_.size());
    }

private:
    // ---- Divisions by money ------------------------------------------------
    // The store keeps a whole money value as a whole number, which SQLite
    // divides as such; the server keeps money's four decimals.

    enum class Tur { Bilinmez, Tamsayi, Para, Ondalik, Kesirli };

    Tur turAdi(const QString& t) const {
        const QString b = t.section(u'(', 0, 0).trimmed();
        if (b.contains(QLatin1String("MONEY"))) return Tur::Para;
        if (b.contains(QLatin1String("INT")) || b == QLatin1String("BIT")) return Tur::Tamsayi;
        if (b == QLatin1String("FLOAT") || b == QLatin1String("REAL")) return Tur::Ondalik;
        if (b == QLatin1String("DECIMAL") || b == QLatin1String("NUMERIC")) return Tur::Kesirli;
        return Tur::Bilinmez;
    }

    // The type of the operand [bas, son): a column the store declares, or a literal number.
    Tur islenenTuru(size_t bas, size_t son) const {
        if (son - bas == 1 && j_[bas].tur == Jeton::Diger) {
            const QString& n = j_[bas].s;
            if (n.contains(u'e') || n.contains(u'E')) return Tur::Ondalik;
            return n.contains(u'.') ? Tur::Kesirli : Tur::Tamsayi;
        }
        // A call of a function that keeps its argument's type, or a group:
        // the type of the (first) argument.
        const size_t ac = anlamli(bas, son);
        const size_t ic = ac < son && j_[ac].tur == Jeton::Kimlik && !anahtarSozcuk(cozulmusAd(j_[ac])) ? anlamli(ac + 1, son) : ac;
        if (ic < son && isaretMi(j_[ic], u'(') && kapanis(ic, son) == son - 1) {
            static const QStringList koruyan = {QStringLiteral("sum"),  QStringLiteral("min"),    QStringLiteral("max"),
                                                QStringLiteral("abs"),  QStringLiteral("isnull"), QStringLiteral("coalesce"),
                                                QStringLiteral("round")};
            if (ic != ac && !koruyan.contains(cozulmusAd(j_[ac]))) return Tur::Bilinmez;
            const auto a = argumanlar(ic, son - 1);
            const size_t ab = anlamli(a.front().first, a.front().second);
            size_t as = a.front().second;
            while (as > ab && (j_[as - 1].tur == Jeton::Bosluk || j_[as - 1].tur == Jeton::Yorum)) --as;
            return ab < as ? islenenTuru(ab, as) : Tur::Bilinmez;
        }
        // A dotted name: name, ".", name ...
        QStringList adlar;
        for (size_t i = bas; i < son; ++i) {
            const bool adSirasi = (i - bas) % 2 == 0;
            if (adSirasi && j_[i].tur == Jeton::Kimlik)
                adlar << cozulmusAd(j_[i]);
            else if (adSirasi || !isaretMi(j_[i], u'.'))
                return Tur::Bilinmez;
        }
        if (adlar.isEmpty()) return Tur::Bilinmez;
        const QString anahtar = adlar.size() >= 2 ? adlar.at(adlar.size() - 2) + u'.' + adlar.last() : adlar.last();
        return turAdi(turler_.value(anahtar));
    }

    // Words before a "(" that do not call a function.
    static bool anahtarSozcuk(const QString& ad) {
        static const QStringList sozcukler = {
            QStringLiteral("select"), QStringLiteral("where"),  QStringLiteral("and"),     QStringLiteral("or"),
            QStringLiteral("on"),     QStringLiteral("by"),     QStringLiteral("in"),      QStringLiteral("not"),
            QStringLiteral("then"),   QStringLiteral("else"),   QStringLiteral("when"),    QStringLiteral("as"),
            QStringLiteral("from"),   QStringLiteral("exists"), QStringLiteral("having"),  QStringLiteral("distinct"),
            QStringLiteral("case"),   QStringLiteral("like"),   QStringLiteral("between"), QStringLiteral("is"),
            QStringLiteral("all"),    QStringLiteral("any"),    QStringLiteral("some"),    QStringLiteral("join"),
            QStringLiteral("return")};
        return sozcukler.contains(ad);
    }

    size_t oncekiAnlamli(size_t i) const { // index of the significant token before i, or SIZE_MAX
        while (i > 0) {
            --i;
            if (j_[i].tur != Jeton::Bosluk && j_[i].tur != Jeton::Yorum) return i;
        }
        return SIZE_MAX;
    }

    // The "(" that the ")" at `kapa` closes, or SIZE_MAX.
    size_t acilis(size_t kapa) const {
        int derinlik = 0;
        for (size_t i = kapa + 1; i-- > 0;) {
            if (isaretMi(j_[i], u')'))
                ++derinlik;
            else if (isaretMi(j_[i], u'(') && --derinlik == 0)
                return i;
        }
        return SIZE_MAX;
    }

    // Left operand of the "/" at `b`: a dotted name, a number, or a
    // parenthesised group with the name of the function it calls.
    bool solIslenen(size_t b, size_t& bas, size_t& son) const {
        size_t k = oncekiAnlamli(b);
        if (k == SIZE_MAX) return false;
        son = k + 1;
        if (isaretMi(j_[k], u')')) {
            k = acilis(k);
            if (k == SIZE_MAX) return false;
            const size_t ad = oncekiAnlamli(k);
            bas = ad != SIZE_MAX && j_[ad].tur == Jeton::Kimlik && !anahtarSozcuk(cozulmusAd(j_[ad])) ? ad : k;
            return true;
        }
        if (j_[k].tur == Jeton::Diger || j_[k].tur == Jeton::Metin) {
            bas = k;
            return true;
        }
        if (j_[k].tur != Jeton::Kimlik) return false;
        while (k >= 2 && isaretMi(j_[k - 1], u'.') && j_[k - 2].tur == Jeton::Kimlik) k -= 2;
        bas = k;
        return true;
    }

    // Right operand of the "/" at `b`, the same kinds.
    bool sagIslenen(size_t b, size_t& bas, size_t& son) const {
        size_t k = anlamli(b + 1, j_.size());
        if (k >= j_.size()) return false;
        bas = k;
        if (isaretMi(j_[k], u'(')) {
            son = kapanis(k, j_.size()) + 1;
            return son <= j_.size();
        }
        if (j_[k].tur == Jeton::Diger || j_[k].tur == Jeton::Metin) {
            son = k + 1;
            return true;
        }
        if (j_[k].tur != Jeton::Kimlik) return false;
        while (k + 2 < j_.size() && isaretMi(j_[k + 1], u'.') && j_[k + 2].tur == Jeton::Kimlik) k += 2;
        const size_t ac = anlamli(k + 1, j_.size());
        if (ac < j_.size() && isaretMi(j_[ac], u'(')) {
            son = kapanis(ac, j_.size()) + 1;
            return son <= j_.size();
        }
        son = k + 1;
        return true;
    }

    // Whether the operand [bas, son) is text: a literal, a text column, or a
    // function that gives text.
    bool metinMi(size_t bas, size_t son) const {
        const size_t ac = anlamli(bas, son);
        if (ac >= son) return false;
        if (j_[ac].tur == Jeton::Metin) return son - ac == 1 || anlamli(ac + 1, son) >= son;
        if (j_[ac].tur != Jeton::Kimlik) return false;
        const size_t ic = anlamli(ac + 1, son);
        if (ic < son && isaretMi(j_[ic], u'(')) {
            static const QStringList metinVeren = {QStringLiteral("rtrim"), QStringLiteral("ltrim"),     QStringLiteral("upper"),
                                                   QStringLiteral("lower"), QStringLiteral("substring"), QStringLiteral("left"),
                                                   QStringLiteral("right"), QStringLiteral("replace")};
            const QString ad = cozulmusAd(j_[ac]);
            if (metinVeren.contains(ad)) return true;
            if (ad == QLatin1String("convert") || ad == QLatin1String("isnull")) {
                const auto a = argumanlar(ic, kapanis(ic, son));
                const auto ilk = a.front();
                if (ad == QLatin1String("isnull")) return metinMi(ilk.first, ilk.second);
                const QString tur = hamMetin(ilk.first, ilk.second).toLower();
                return tur.contains(QLatin1String("char")) || tur.contains(QLatin1String("text"));
            }
            return false;
        }
        QStringList adlar;
        for (size_t i = ac; i < son; ++i) {
            if (j_[i].tur == Jeton::Kimlik)
                adlar << cozulmusAd(j_[i]);
            else if (!isaretMi(j_[i], u'.') && j_[i].tur != Jeton::Bosluk)
                return false;
        }
        const QString anahtar = adlar.size() >= 2 ? adlar.at(adlar.size() - 2) + u'.' + adlar.last() : adlar.last();
        const QString tur = turler_.value(anahtar);
        return tur.contains(QLatin1String("CHAR")) || tur.contains(QLatin1String("TEXT"));
    }

    // "+" between two texts joins them, as "||" does here.
    void birlestirmeleriDuzelt() {
        for (size_t b = 0; b < j_.size(); ++b) {
            if (!isaretMi(j_[b], u'+')) continue;
            size_t sb = 0, ss = 0, rb = 0, rs = 0;
            if (solIslenen(b, sb, ss) && sagIslenen(b, rb, rs) && metinMi(sb, ss) && metinMi(rb, rs))
                j_[b] = {Jeton::Isaret, QStringLiteral("||")};
        }
    }

    void bolmeleriDuzelt() {
        birlestirmeleriDuzelt();
        if (turler_.isEmpty()) return;
        struct Ek {
            size_t once; // inserted before this token
            QString metin;
        };
        std::vector<Ek> ekler;
        size_t oncekiSagSon = 0; // a chain a/b/c is left as written
        for (size_t b = 0; b < j_.size(); ++b) {
            if (!isaretMi(j_[b], u'/')) continue;
            size_t sb = 0, ss = 0, rb = 0, rs = 0;
            if (!solIslenen(b, sb, ss) || !sagIslenen(b, rb, rs) || sb < oncekiSagSon) continue;
            const Tur sol = islenenTuru(sb, ss), sag = islenenTuru(rb, rs);
            if (sol != Tur::Para && sag != Tur::Para) continue;
            const Tur diger = sol == Tur::Para ? sag : sol;
            const bool paraKalir = diger == Tur::Para || diger == Tur::Tamsayi;
            ekler.push_back({sb, paraKalir ? QStringLiteral("ROUND(CAST(") : QStringLiteral("CAST(")});
            j_[b] = {Jeton::Diger, QStringLiteral(" AS REAL)/(")};
            ekler.push_back({rs, paraKalir ? QStringLiteral("),4)") : QStringLiteral(")")});
            oncekiSagSon = rs;
        }
        std::stable_sort(ekler.begin(), ekler.end(), [](const Ek& x, const Ek& y) { return x.once > y.once; });
        for (const Ek& e : ekler) j_.insert(j_.begin() + static_cast<std::ptrdiff_t>(e.once), Jeton{Jeton::Diger, e.metin});
    }

    // ---- Translation -------------------------------------------------------

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
    const TsqlCevirici::AlanTurleri& turler_;
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

namespace {

// "SELECT [DISTINCT] TOP n ..." of the outer statement as "SELECT [DISTINCT] ... LIMIT n".
QString ustSinir(const QString& sql) {
    const std::vector<Jeton> j = ayir(sql);
    auto sonraki = [&j](size_t i) {
        ++i;
        while (i < j.size() && (j[i].tur == Jeton::Bosluk || j[i].tur == Jeton::Yorum)) ++i;
        return i;
    };
    size_t i = 0;
    while (i < j.size() && j[i].tur != Jeton::Kimlik) ++i;
    if (i >= j.size() || cozulmusAd(j[i]) != QLatin1String("select")) return sql;
    size_t top = sonraki(i);
    if (top < j.size() && cozulmusAd(j[top]) == QLatin1String("distinct")) top = sonraki(top);
    const size_t n = top < j.size() ? sonraki(top) : j.size();
    if (n >= j.size() || cozulmusAd(j[top]) != QLatin1String("top") || j[n].tur != Jeton::Diger) return sql;
    QString s;
    const size_t devam = n + 1 < j.size() && j[n + 1].tur == Jeton::Bosluk ? n + 2 : n + 1;
    for (size_t k = 0; k < j.size(); ++k)
        if (k < top || k >= devam) s += j[k].s;
    return s.trimmed() + QStringLiteral(" LIMIT ") + j[n].s;
}

} // namespace

QString sqliteye(const QString& tsql, const Sema& sema) {
    const QString sqlite = ustSinir(Cevirici(ayir(tsql), sema.turler).cevir());
    const QString akan = SqliteGruplama::gereksizGruplamayiKaldir(sqlite, sema.anahtarlar, sema.harmanlar);
    return akan != sqlite ? akan : SqliteGruplama::siralamayiBirlestir(sqlite);
}

} // namespace TsqlCevirici
