// Choice conditions: equality, yes/no, multiple choice and the option flags.
#include "query/Kosullar.h"
#include "query/Sorgu.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/SqlMetni.h"
#include "startup/Degiskenler.h"
#include "template/FiltreSatiri.h"

namespace {

QString kirp(const QString& s) {
    qsizetype a = 0, b = s.size();
    while (a < b && s.at(a) == u' ') ++a;
    while (b > a && s.at(b - 1) == u' ') --b;
    return s.mid(a, b - a);
}

bool isyeriSatiri(const QString& lbl) { return lbl == QStringLiteral("İşyeri Adı") || lbl == QStringLiteral("İşyeri Kodu"); }
bool ambarSatiri(const QString& lbl) { return lbl == QStringLiteral("Ambar Adı") || lbl == QLatin1String("Ambar No"); }

} // namespace

QString Esitlik_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan, const QString& ayirac) {
    const QString v = grid.hucre(satir, Sutun::Baslangic);
    if (v == QLatin1String("Farketmez") || v == QLatin1String("Hepsi") || v.isEmpty()) return sql;
    Degiskenler& d = degiskenler();
    d.DegerTirnagi = ayirac == QLatin1String("1") ? QString() : QStringLiteral("'");
    Sayisal_Deger_Kontrol(grid, satir);
    const QString kontrollu = grid.hucre(satir, Sutun::Baslangic);
    if (kontrollu.isEmpty()) return sql;
    const QString& q = d.DegerTirnagi;
    return Kosul_Yerlestir(sql, alan, alan + u'=' + q + (q.isEmpty() ? kontrollu : tirnakIci(kontrollu)) + q);
}

QString Secenek_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan) {
    const QString v = grid.hucre(satir, Sutun::Baslangic);
    if (v == QLatin1String("Hepsi")) return sql;
    QString deger;
    if (v == QLatin1String("Evet") || v == QLatin1String("Aktif"))
        deger = QStringLiteral("1");
    else if (v == QStringLiteral("Hayır") || v == QLatin1String("Pasif"))
        deger = QStringLiteral("0");
    else
        return sql; // none of the five words: no condition
    return Kosul_Yerlestir(sql, alan, alan + u'=' + deger);
}

bool Evet_Hayir_Cevir(const IzgaraModeli& grid, int satir) {
    const QString v = grid.hucre(satir, Sutun::Baslangic);
    return v == QLatin1String("Evet") || v == QLatin1String("Aktif") || v == QStringLiteral("Ayrı Sayfaya");
}

QString Coktan_Secmeli_Kosul(IzgaraModeli& grid, int satir, const QString& alan, const QString& ayirac) {
    Degiskenler& d = degiskenler();
    const QString bas = grid.hucre(satir, Sutun::Baslangic);
    if (bas == QLatin1String("Farketmez") || bas.isEmpty()) return {};
    const QString q = ayirac == QLatin1String("1") ? QString() : QStringLiteral("'");
    const QString lbl = grid.hucre(satir, Sutun::FiltreLbl);
    const bool hepsi = bas == QLatin1String("Hepsi");
    QString liste;
    bool secimden = false;
    if (hepsi && (isyeriSatiri(lbl) || ambarSatiri(lbl))) {
        if (isyeriSatiri(lbl) && (d.IsyeriListesi.isEmpty() || !d.IsyeriYetkiyeBagli)) return {};
        if (ambarSatiri(lbl) && (d.AmbarListesi.isEmpty() || !d.AmbarYetkiyeBagli)) return {};
        liste = grid.hucre(satir, QStringLiteral("CoktanSecmeSecenek")) + u',';
    } else {
        if (hepsi) return {};
        liste = grid.hucre(satir, QStringLiteral("CoktanSecmeSecim"));
        secimden = true;
    }
    QString metin;
    qsizetype konum = 0;
    for (;;) {
        const qsizetype virgul = liste.indexOf(u',', konum);
        if (virgul < 0) break; // text behind the last "," is no item
        const QString oge = liste.mid(konum, virgul - konum);
        konum = virgul + 1;
        if (oge.isEmpty() || oge == QLatin1String("Hepsi")) continue;
        const qsizetype egik = oge.indexOf(u'/');
        // The code before "  /  name": the trimmed item up to the slash's place.
        const QString deger = egik < 0 ? oge : kirp(oge).left(egik);
        const QString yazilan = q + (q.isEmpty() ? deger : tirnakIci(deger)) + q;
        metin += (metin.isEmpty() ? QStringLiteral("(") : QStringLiteral(" OR ")) + alan + u'=' + yazilan;
    }
    if (metin.isEmpty()) return {};
    metin += u')';
    if (secimden && alan.contains(QLatin1String("Isyeri"))) d.IsyeriKosulu = metin;
    if (!d.WhereVar) {
        d.WhereVar = true;
        return QStringLiteral(" WHERE ") + metin;
    }
    return QStringLiteral(" AND ") + metin;
}
