// Range and date conditions: up-to date, date range, value range, balance
// range (HAVING) and the checks they rely on.
#include "query/Kosullar.h"
#include "platform/metin/SayiTesti.h"
#include "platform/metin/TarihTesti.h"
#include "platform/veritabani/SqlMetni.h"

namespace KosulMesaji {
QString tarih() { return QStringLiteral("Lütfen tarihi doğru giriniz"); }
QString sene() { return QStringLiteral("Lütfen seneyi doğru giriniz"); }
} // namespace KosulMesaji

namespace {

// DD/MM/YYYY in the cell to 'MM/DD/YYYY' for SQL, by character positions.
// A date range completes a short year with the current one and rewrites the cell.
QString tarihCevir(Birlestirme& b, QString& hucre, bool aralik) {
    QString& mesaj = b.durum.HataMesaji;
    const QString t = hucre;
    if (t.isEmpty()) return {};
    if (!TarihTesti::tarihMi(t)) {
        mesaj = KosulMesaji::tarih();
        return {};
    }
    QString yil = t.mid(6, 4);
    if (yil.size() < 4) {
        if (aralik) {
            yil = QString::number(b.ortam.buYil);
            hucre = t.mid(0, 2) + u'/' + t.mid(3, 2) + u'/' + yil;
        } else {
            mesaj = KosulMesaji::sene();
        }
    }
    if (aralik) mesaj.clear();
    return t.mid(3, 2) + u'/' + t.mid(0, 2) + u'/' + yil;
}

} // namespace

QString Bitis_Tarihi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir) {
    const QString t = tarihCevir(b, satir.Baslangic, false);
    if (t.isEmpty()) return sql;
    return Kosul_Yerlestir(b, sql, satir.Alan, satir.Alan + QStringLiteral(" <= '") + t + u'\'');
}

QString Tarih_Araligi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir) {
    const QString& alan = satir.Alan;
    const QString t1 = tarihCevir(b, satir.Baslangic, true);
    const QString t2 = tarihCevir(b, satir.Bitis, true);
    Yerlesim y = Join_Konumu(sql, alan);
    QString s = sql;
    // Both ends go to the place the statement had before the first was added.
    auto yerlestir = [&](const QString& kosul) {
        if (y.join) {
            const QString ek = QStringLiteral(" AND ") + kosul;
            s.insert(y.nokta, ek);
            y.nokta += ek.size();
        } else {
            s += Where_Veya_And(b.durum) + kosul;
        }
    };
    if (!t1.isEmpty()) yerlestir(alan + QStringLiteral(" >= '") + t1 + u'\'');
    if (!t2.isEmpty()) yerlestir(alan + QStringLiteral(" <= '") + t2 + u'\'');
    return s;
}

QString Deger_Araligi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir) {
    const QString& alan = satir.Alan;
    b.durum.DegerTirnagi = Deger_Tirnagi(satir.Ayirac);
    const QString q = b.durum.DegerTirnagi;
    Sayisal_Deger_Kontrol(b, satir);
    QString s = sql;
    if (!satir.Baslangic.isEmpty()) s = Kosul_Yerlestir(b, s, alan, alan + QStringLiteral(" >=") + Sql_Degeri(satir.Baslangic, q));
    if (!satir.Bitis.isEmpty()) {
        // Inside a join clause the end reads " <=", behind WHERE/AND "<=".
        const Yerlesim y = Join_Konumu(s, alan);
        if (y.join)
            s.insert(y.nokta, QStringLiteral(" AND ") + alan + QStringLiteral(" <=") + Sql_Degeri(satir.Bitis, q));
        else
            s = Kosul_Yerlestir(b, s, alan, alan + QStringLiteral("<=") + Sql_Degeri(satir.Bitis, q));
    }
    return s;
}

void Sayisal_Deger_Kontrol(const Birlestirme& b, FiltreSatiri& satir) {
    if (!b.durum.DegerTirnagi.isEmpty()) return;
    for (QString* v : {&satir.Baslangic, &satir.Bitis})
        if (!v->isEmpty() && !SayiTesti::sayiMi(*v, b.ortam.OndalikAyirac, b.ortam.BinlikAyirac)) v->clear();
}

void Bakiye_Ondalik_Cevir(Birlestirme& b, FiltreSatiri& satir) {
    if (satir.FiltreLbl != QStringLiteral("Bakiye Aralığı")) return;
    auto cevir = [](QString& v, QString& hedef) {
        if (v.isEmpty()) return;
        const qsizetype c1 = v.indexOf(u',');
        const qsizetype c2 = c1 < 0 ? -1 : v.indexOf(u',', c1 + 1);
        if (c2 >= 0) v = v.left(c2);
        hedef = c1 < 0 ? v : v.left(c1) + u'.' + v.mid(c1 + 1);
    };
    cevir(satir.Baslangic, b.durum.BakiyeBaslangic);
    cevir(satir.Bitis, b.durum.BakiyeBitis);
}

QString Bakiye_Araligi_Having(Birlestirme& b, FiltreSatiri& satir) {
    SorguDurumu& d = b.durum;
    d.DegerTirnagi = Deger_Tirnagi(satir.Ayirac);
    const QString q = d.DegerTirnagi;
    Sayisal_Deger_Kontrol(b, satir);
    Bakiye_Ondalik_Cevir(b, satir);
    auto bas = [&d] { return d.HavingVar ? QStringLiteral(" AND ISNULL(") : QStringLiteral(" HAVING ISNULL("); };
    QString h1, h2;
    if (!satir.Baslangic.isEmpty()) {
        h1 = bas() + satir.Alan + QStringLiteral(",0) >=") + Sql_Degeri(d.BakiyeBaslangic, q);
        d.HavingVar = true;
    }
    if (!satir.Bitis.isEmpty()) {
        h2 = bas() + satir.Alan + QStringLiteral(",0)<=") + Sql_Degeri(d.BakiyeBitis, q);
        d.HavingVar = true;
    }
    return h1 + h2;
}
