#include "platform/veritabani/SqliteGruplama.h"
#include "platform/veritabani/SqlJetonlari.h"

#include <QStringList>

namespace {

bool kelimeMi(const Jeton& j, const char* k) { return j.tur == Jeton::Kimlik && j.s.compare(QLatin1String(k), Qt::CaseInsensitive) == 0; }

// The next token after `i` that is neither blank nor comment.
size_t sonraki(const std::vector<Jeton>& j, size_t i) {
    ++i;
    while (i < j.size() && (j[i].tur == Jeton::Bosluk || j[i].tur == Jeton::Yorum)) ++i;
    return i;
}

// The terms of a list, split at its top-level commas.
QStringList terimler(const std::vector<Jeton>& j, size_t bas, size_t son) {
    QStringList l;
    QString t;
    int d = 0;
    for (size_t i = bas; i < son; ++i) {
        if (isaretMi(j[i], u'(')) ++d;
        if (isaretMi(j[i], u')')) --d;
        if (d == 0 && isaretMi(j[i], u',')) {
            l << t.trimmed();
            t.clear();
            continue;
        }
        t += j[i].s;
    }
    l << t.trimmed();
    return l;
}

// A term as compared with others: blanks and direction dropped, upper case.
QString terimAnahtari(QString t) {
    t = t.simplified();
    for (const char* yon : {" ASC", " DESC"})
        if (t.endsWith(QLatin1String(yon), Qt::CaseInsensitive)) t.chop(static_cast<qsizetype>(qstrlen(yon)));
    return t.toUpper();
}

// Where the outer statement's clauses begin (the index of their first word);
// zero when a clause is missing. `uygun` is false for a statement whose
// outer level holds something the rewriting does not know.
struct Bolumler {
    size_t secim = 0, from = 0, where = 0, grup = 0, grupListesi = 0, having = 0, sira = 0, siraListesi = 0;
    bool uygun = true;
};

Bolumler bolumler(const std::vector<Jeton>& j) {
    Bolumler b;
    int derinlik = 0;
    for (size_t i = 0; i < j.size(); ++i) {
        if (isaretMi(j[i], u'(')) ++derinlik;
        if (isaretMi(j[i], u')')) --derinlik;
        if (derinlik != 0 || j[i].tur != Jeton::Kimlik) continue;
        for (const char* k : {"UNION", "LIMIT", "EXCEPT", "INTERSECT", "OFFSET"})
            if (kelimeMi(j[i], k)) b.uygun = false;
        if (kelimeMi(j[i], "SELECT") && !b.secim) b.secim = i;
        if (kelimeMi(j[i], "FROM") && !b.from) b.from = i;
        if (kelimeMi(j[i], "WHERE") && !b.where) b.where = i;
        if (kelimeMi(j[i], "HAVING")) b.having = i;
        const size_t by = sonraki(j, i);
        if (by >= j.size() || !kelimeMi(j[by], "BY")) continue;
        if (kelimeMi(j[i], "GROUP")) {
            b.grup = i;
            b.grupListesi = by + 1;
        }
        if (kelimeMi(j[i], "ORDER")) {
            b.sira = i;
            b.siraListesi = by + 1;
        }
    }
    return b;
}

QString metin(const std::vector<Jeton>& j, size_t bas, size_t son) {
    QString s;
    for (size_t i = bas; i < son && i < j.size(); ++i) s += j[i].s;
    return s;
}

} // namespace

namespace SqliteGruplama {

QString siralamayiBirlestir(const QString& sql) {
    const std::vector<Jeton> j = ayir(sql);
    const Bolumler b = bolumler(j);
    if (!b.uygun || !b.grup || !b.sira || b.sira < b.grup) return sql;
    const size_t grupSonu = b.having > b.grup ? b.having : b.sira;
    const QStringList grup = terimler(j, b.grupListesi, grupSonu);
    const QStringList siralama = terimler(j, b.siraListesi, j.size());
    QStringList grupAnahtarlari;
    for (const QString& g : grup) grupAnahtarlari << terimAnahtari(g);
    QStringList oncekiler, kalanlar;
    QList<bool> kullanildi(grup.size(), false);
    for (const QString& o : siralama) {
        const qsizetype i = grupAnahtarlari.indexOf(terimAnahtari(o));
        if (i < 0) return sql; // an order by something not grouped: left as it is
        if (!kullanildi.at(i)) oncekiler << grup.at(i);
        kullanildi[i] = true;
    }
    for (qsizetype i = 0; i < grup.size(); ++i)
        if (!kullanildi.at(i)) kalanlar << grup.at(i);
    const QString arasi = metin(j, grupSonu, b.sira).trimmed(); // HAVING, when there is one
    const QString orderBy = metin(j, b.sira, b.siraListesi).trimmed();
    return metin(j, 0, b.grupListesi) + u' ' + (oncekiler + kalanlar).join(QStringLiteral(", ")) + u' ' + arasi +
           (arasi.isEmpty() ? QString() : QStringLiteral(" ")) + orderBy + u' ' + (siralama + kalanlar).join(QStringLiteral(", "));
}

namespace {

// A column written as table.column (two names and a dot), lower case; empty otherwise.
QString nitelikliAlan(const std::vector<Jeton>& j, size_t& i, size_t son) {
    const size_t a = i, nokta = sonraki(j, a), b = sonraki(j, nokta);
    if (b >= son || j[a].tur != Jeton::Kimlik || !isaretMi(j[nokta], u'.') || j[b].tur != Jeton::Kimlik) return {};
    i = sonraki(j, b);
    return cozulmusAd(j[a]) + u'.' + cozulmusAd(j[b]);
}

// The FROM clause between `bas` and `son`: its first table when every
// further table is joined on one of its keys, compared in the key's order;
// empty otherwise.
QString suruculuTablo(const std::vector<Jeton>& j, size_t bas, size_t son, const Anahtarlar& anahtarlar, const Harmanlar& harmanlar) {
    // A bare table name, neither qualified nor followed by an alias.
    auto tablo = [&](size_t& i) -> QString {
        if (i >= son || j[i].tur != Jeton::Kimlik) return {};
        const QString ad = cozulmusAd(j[i]);
        i = sonraki(j, i);
        if (i >= son) return ad;
        if (isaretMi(j[i], u'.')) return {};
        if (j[i].tur == Jeton::Kimlik)
            for (const char* k : {"JOIN", "INNER", "LEFT", "ON"})
                if (kelimeMi(j[i], k)) return ad;
        if (j[i].tur == Jeton::Kimlik) return {};
        return ad;
    };
    size_t i = bas < son && (j[bas].tur == Jeton::Bosluk || j[bas].tur == Jeton::Yorum) ? sonraki(j, bas) : bas;
    const QString surucu = tablo(i);
    if (surucu.isEmpty()) return {};
    while (i < son) {
        if (kelimeMi(j[i], "INNER")) {
            i = sonraki(j, i);
        } else if (kelimeMi(j[i], "LEFT")) {
            i = sonraki(j, i);
            if (i < son && kelimeMi(j[i], "OUTER")) i = sonraki(j, i);
        }
        if (i >= son || !kelimeMi(j[i], "JOIN")) return {};
        i = sonraki(j, i);
        const QString katilan = tablo(i);
        if (katilan.isEmpty() || i >= son || !kelimeMi(j[i], "ON")) return {};
        i = sonraki(j, i);
        int parantez = 0;
        while (i < son && isaretMi(j[i], u'(')) {
            ++parantez;
            i = sonraki(j, i);
        }
        const QString sol = nitelikliAlan(j, i, son);
        if (sol.isEmpty() || i >= son || !isaretMi(j[i], u'=')) return {};
        i = sonraki(j, i);
        const QString sag = nitelikliAlan(j, i, son);
        if (sag.isEmpty()) return {};
        for (; parantez > 0; --parantez) {
            if (i >= son || !isaretMi(j[i], u')')) return {};
            i = sonraki(j, i);
        }
        // The comparison takes the order of its left column.
        const QString anahtar = sol.section(u'.', 0, 0) == katilan ? sol : sag;
        if (anahtar.section(u'.', 0, 0) != katilan) return {};
        const auto a = anahtarlar.constFind(anahtar);
        if (a == anahtarlar.constEnd()) return {};
        if (!a->harman.isEmpty() && harmanlar.value(sol, QStringLiteral("BINARY")) != a->harman) return {};
        if (a->harman.isEmpty() && harmanlar.contains(sol == anahtar ? sag : sol)) return {}; // a number against text converts
    }
    return surucu;
}

bool toplamVar(const std::vector<Jeton>& j, size_t bas, size_t son) {
    for (size_t i = bas; i < son; ++i) {
        if (j[i].tur != Jeton::Kimlik) continue;
        for (const char* k : {"COUNT", "SUM", "MIN", "MAX", "AVG", "TOTAL", "GROUP_CONCAT", "STRING_AGG"})
            if (kelimeMi(j[i], k) && sonraki(j, i) < son && isaretMi(j[sonraki(j, i)], u'(')) return true;
    }
    return false;
}

} // namespace

QString gereksizGruplamayiKaldir(const QString& sql, const Anahtarlar& anahtarlar, const Harmanlar& harmanlar) {
    const std::vector<Jeton> j = ayir(sql);
    const Bolumler b = bolumler(j);
    if (!b.uygun || !b.grup || b.having || !b.from || b.secim >= b.from || b.from >= b.grup) return sql;
    if (b.sira && b.sira < b.grup) return sql;
    const size_t secimBasi = sonraki(j, b.secim);
    if (secimBasi < j.size() && (kelimeMi(j[secimBasi], "DISTINCT") || kelimeMi(j[secimBasi], "TOP"))) return sql;
    if (toplamVar(j, secimBasi, b.from)) return sql;
    const QString surucu = suruculuTablo(j, b.from + 1, b.where ? b.where : b.grup, anahtarlar, harmanlar);
    if (surucu.isEmpty()) return sql;
    // The grouping up to the first term that is a key of the driving table.
    const QStringList grup = terimler(j, b.grupListesi, b.sira ? b.sira : j.size());
    QStringList anahtaraKadar;
    bool anahtarBulundu = false;
    for (const QString& g : grup) {
        anahtaraKadar << g;
        const std::vector<Jeton> t = ayir(g);
        size_t i = 0;
        const QString alan = t.empty() ? QString() : nitelikliAlan(t, i, t.size());
        if (alan.isEmpty() || i < t.size() || alan.section(u'.', 0, 0) != surucu) continue;
        const auto a = anahtarlar.constFind(alan);
        if (a != anahtarlar.constEnd() && a->bosOlamaz && (a->harman.isEmpty() || harmanlar.value(alan) == a->harman)) {
            anahtarBulundu = true;
            break;
        }
    }
    if (!anahtarBulundu) return sql;
    QStringList siralama = b.sira ? terimler(j, b.siraListesi, j.size()) : QStringList();
    QStringList sirali;
    for (const QString& o : siralama) sirali << terimAnahtari(o);
    for (const QString& g : anahtaraKadar)
        if (!sirali.contains(terimAnahtari(g))) siralama << g;
    const QString orderBy = b.sira ? metin(j, b.sira, b.siraListesi).trimmed() : QStringLiteral("ORDER BY");
    return metin(j, 0, b.grup).trimmed() + u' ' + orderBy + u' ' + siralama.join(QStringLiteral(", "));
}

} // namespace SqliteGruplama
