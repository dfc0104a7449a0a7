// Range and date conditions: up-to date, date range, value range, balance
// range (HAVING) and the checks they rely on.
#include "query/Kosullar.h"
#include "query/Sorgu.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/metin/SayiTesti.h"
#include "platform/metin/TarihTesti.h"
#include "platform/veritabani/SqlMetni.h"
#include "startup/Degiskenler.h"
#include "template/FiltreSatiri.h"

#include <QDate>

namespace KosulMesaji {
QString tarih() { return QStringLiteral("Lütfen tarihi doğru giriniz"); }
QString sene() { return QStringLiteral("Lütfen seneyi doğru giriniz"); }
} // namespace KosulMesaji

namespace {

const QString& kBas = Sutun::Baslangic;
const QString& kBit = Sutun::Bitis;

// DD/MM/YYYY in the cell to 'MM/DD/YYYY' for SQL, by character positions.
// A date range completes a short year with the current one and rewrites the cell.
QString tarihCevir(IzgaraModeli& g, int satir, const QString& anahtar, bool aralik) {
    Degiskenler& d = degiskenler();
    const QString t = g.hucre(satir, anahtar);
    if (t.isEmpty()) return {};
    if (!TarihTesti::tarihMi(t)) {
        d.HataMesaji = KosulMesaji::tarih();
        return {};
    }
    QString yil = t.mid(6, 4);
    if (yil.size() < 4) {
        if (aralik) {
            yil = QString::number(QDate::currentDate().year());
            g.hucreYaz(satir, anahtar, t.mid(0, 2) + u'/' + t.mid(3, 2) + u'/' + yil);
        } else {
            d.HataMesaji = KosulMesaji::sene();
        }
    }
    if (aralik) d.HataMesaji.clear();
    return t.mid(3, 2) + u'/' + t.mid(0, 2) + u'/' + yil;
}

QString tirnak(const QString& ayirac) { return ayirac == QLatin1String("1") ? QString() : QStringLiteral("'"); }

// A value between the row's quotes; quotes inside a quoted value are doubled.
QString deger(const QString& v, const QString& q) { return q + (q.isEmpty() ? v : tirnakIci(v)) + q; }

} // namespace

QString Bitis_Tarihi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan) {
    const QString t = tarihCevir(grid, satir, kBas, false);
    if (t.isEmpty()) return sql;
    return Kosul_Yerlestir(sql, alan, alan + QStringLiteral(" <= '") + t + u'\'');
}

QString Tarih_Araligi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan) {
    Degiskenler& d = degiskenler();
    const QString t1 = tarihCevir(grid, satir, kBas, true);
    const QString t2 = tarihCevir(grid, satir, kBit, true);
    Yerlesim y = Join_Konumu(sql, alan);
    QString s = sql;
    auto yerlestir = [&](const QString& kosul) {
        if (y.join) {
            const QString ek = QStringLiteral(" AND ") + kosul;
            s.insert(y.nokta, ek);
            y.nokta += ek.size();
        } else if (!d.WhereVar) {
            s += QStringLiteral(" WHERE ") + kosul;
            d.WhereVar = true;
        } else {
            s += QStringLiteral(" AND ") + kosul;
        }
    };
    if (!t1.isEmpty()) yerlestir(alan + QStringLiteral(" >= '") + t1 + u'\'');
    if (!t2.isEmpty()) yerlestir(alan + QStringLiteral(" <= '") + t2 + u'\'');
    return s;
}

QString Deger_Araligi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan, const QString& ayirac) {
    Degiskenler& d = degiskenler();
    d.DegerTirnagi = tirnak(ayirac);
    const QString q = d.DegerTirnagi;
    Sayisal_Deger_Kontrol(grid, satir);
    QString s = sql;
    const QString bas = grid.hucre(satir, kBas);
    if (!bas.isEmpty()) s = Kosul_Yerlestir(s, alan, alan + QStringLiteral(" >=") + deger(bas, q));
    const QString bit = grid.hucre(satir, kBit);
    if (!bit.isEmpty()) {
        // Inside a join clause the end reads " <=", behind WHERE/AND "<=".
        const Yerlesim y = Join_Konumu(s, alan);
        if (y.join)
            s.insert(y.nokta, QStringLiteral(" AND ") + alan + QStringLiteral(" <=") + deger(bit, q));
        else
            s = Kosul_Yerlestir(s, alan, alan + QStringLiteral("<=") + deger(bit, q));
    }
    return s;
}

void Sayisal_Deger_Kontrol(IzgaraModeli& grid, int satir) {
    const Degiskenler& d = degiskenler();
    if (!d.DegerTirnagi.isEmpty()) return;
    for (const QString& anahtar : {kBas, kBit}) {
        const QString v = grid.hucre(satir, anahtar);
        if (!v.isEmpty() && !SayiTesti::sayiMi(v, d.OndalikAyirac, d.BinlikAyirac)) grid.hucreYaz(satir, anahtar, QString());
    }
}

void Bakiye_Ondalik_Cevir(IzgaraModeli& grid, int satir) {
    Degiskenler& d = degiskenler();
    if (grid.hucre(satir, Sutun::FiltreLbl) != QStringLiteral("Bakiye Aralığı")) return;
    auto cevir = [&](const QString& anahtar, QString& hedef) {
        QString v = grid.hucre(satir, anahtar);
        if (v.isEmpty()) return;
        const qsizetype c1 = v.indexOf(u',');
        const qsizetype c2 = c1 < 0 ? -1 : v.indexOf(u',', c1 + 1);
        if (c2 >= 0) {
            v = v.left(c2);
            grid.hucreYaz(satir, anahtar, v);
        }
        hedef = c1 < 0 ? v : v.left(c1) + u'.' + v.mid(c1 + 1);
    };
    cevir(kBas, d.BakiyeBaslangic);
    cevir(kBit, d.BakiyeBitis);
}

QString Bakiye_Araligi_Having(IzgaraModeli& grid, int satir, const QString& alan, const QString& ayirac) {
    Degiskenler& d = degiskenler();
    d.DegerTirnagi = tirnak(ayirac);
    const QString q = d.DegerTirnagi;
    Sayisal_Deger_Kontrol(grid, satir);
    Bakiye_Ondalik_Cevir(grid, satir);
    auto bas = [&d] { return d.HavingVar ? QStringLiteral(" AND ISNULL(") : QStringLiteral(" HAVING ISNULL("); };
    QString h1, h2;
    if (!grid.hucre(satir, kBas).isEmpty()) {
        h1 = bas() + alan + QStringLiteral(",0) >=") + deger(d.BakiyeBaslangic, q);
        d.HavingVar = true;
    }
    if (!grid.hucre(satir, kBit).isEmpty()) {
        h2 = bas() + alan + QStringLiteral(",0)<=") + deger(d.BakiyeBitis, q);
        d.HavingVar = true;
    }
    return h1 + h2;
}
