// Choice conditions: equality, yes/no, multiple choice and the option flags.
#include "query/Kosullar.h"
#include "platform/veritabani/SqlMetni.h"
#include "template/Sablon.h"

namespace {

bool isyeriSatiri(const QString& lbl) { return lbl == QStringLiteral("İşyeri Adı") || lbl == QStringLiteral("İşyeri Kodu"); }
bool ambarSatiri(const QString& lbl) { return lbl == QStringLiteral("Ambar Adı") || lbl == QLatin1String("Ambar No"); }

} // namespace

QString Esitlik_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir) {
    const QString& v = satir.Baslangic;
    if (v == QLatin1String("Farketmez") || v == QLatin1String("Hepsi") || v.isEmpty()) return sql;
    b.durum.DegerTirnagi = Deger_Tirnagi(satir.Ayirac);
    Sayisal_Deger_Kontrol(b, satir);
    const QString& kontrollu = satir.Baslangic;
    if (kontrollu.isEmpty()) return sql;
    const QString& q = b.durum.DegerTirnagi;
    return Kosul_Yerlestir(b, sql, satir.Alan, satir.Alan + u'=' + Sql_Degeri(kontrollu, q));
}

QString Secenek_Kosulu(Birlestirme& b, const QString& sql, const FiltreSatiri& satir) {
    const QString& v = satir.Baslangic;
    if (v == QLatin1String("Hepsi")) return sql;
    QString deger;
    if (v == QLatin1String("Evet") || v == QLatin1String("Aktif"))
        deger = QStringLiteral("1");
    else if (v == QStringLiteral("Hayır") || v == QLatin1String("Pasif"))
        deger = QStringLiteral("0");
    else
        return sql; // none of the five words: no condition
    return Kosul_Yerlestir(b, sql, satir.Alan, satir.Alan + u'=' + deger);
}

bool Evet_Hayir_Cevir(const FiltreSatiri& satir) {
    const QString& v = satir.Baslangic;
    return v == QLatin1String("Evet") || v == QLatin1String("Aktif") || v == QStringLiteral("Ayrı Sayfaya");
}

QString Coktan_Secmeli_Kosul(Birlestirme& b, const FiltreSatiri& satir) {
    const SorguOrtami& o = b.ortam;
    SorguDurumu& d = b.durum;
    const QString& bas = satir.Baslangic;
    if (bas == QLatin1String("Farketmez") || bas.isEmpty()) return {};
    const QString q = Deger_Tirnagi(satir.Ayirac);
    const QString& lbl = satir.FiltreLbl;
    const bool hepsi = bas == QLatin1String("Hepsi");
    QString liste;
    bool secimden = false;
    if (hepsi && (isyeriSatiri(lbl) || ambarSatiri(lbl))) {
        if (isyeriSatiri(lbl) && (o.IsyeriListesi.isEmpty() || !o.IsyeriYetkiyeBagli)) return {};
        if (ambarSatiri(lbl) && (o.AmbarListesi.isEmpty() || !o.AmbarYetkiyeBagli)) return {};
        liste = satir.CoktanSecmeSecenek + u',';
    } else {
        if (hepsi) return {};
        liste = satir.CoktanSecmeSecim;
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
        const QString deger = egik < 0 ? oge : Bosluk_Kirp(oge).left(egik);
        const QString yazilan = Sql_Degeri(deger, q);
        metin += (metin.isEmpty() ? QStringLiteral("(") : QStringLiteral(" OR ")) + satir.Alan + u'=' + yazilan;
    }
    if (metin.isEmpty()) return {};
    metin += u')';
    if (secimden && satir.Alan.contains(QLatin1String("Isyeri"))) d.IsyeriKosulu = metin;
    return Where_Veya_And(d) + metin;
}
