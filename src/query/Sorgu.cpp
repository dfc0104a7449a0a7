#include "query/Sorgu.h"
#include "query/Kosullar.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/SqlMetni.h"

#include <QDate>
#include <QHash>

namespace {

using Satirlar = std::vector<FiltreSatiri>;

const QChar kYerTutucu = u'æ';
// Stands for a value's "æ" while the statement is composed: a lone low
// surrogate, which no decoded text (keyboard, template, database, command
// line) can hold.
const QChar kAyrilmis = QChar(0xDFFF);

} // namespace

// The same four types as the condition for "Hepsi" below names.
QStringList Satir_Tipleri() {
    return {QStringLiteral("Mal"), QStringLiteral("Hizmet"), QStringLiteral("Masraf"), QStringLiteral("İndirim")};
}

namespace {

QString satirTipiKosulu(const QString& deger) {
    if (deger != QLatin1String("Hepsi")) return QStringLiteral("FATURAHAREKET.Satir_Tipi=") + Sql_Degeri(deger, QStringLiteral("'"));
    return QStringLiteral("FATURAHAREKET.Satir_Tipi='Mal' OR FATURAHAREKET.Satir_Tipi='Hizmet' OR "
                          "FATURAHAREKET.Satir_Tipi='Masraf'OR FATURAHAREKET.Satir_Tipi='İndirim'");
}

void kosulGecisi(Birlestirme& b, Satirlar& satirlar) {
    SorguDurumu& d = b.durum;
    for (FiltreSatiri& s : satirlar) {
        if (s.FiltreLbl.isEmpty()) break;
        if (!Satir_Aktif(s)) continue;
        switch (Satir_Tipi(s.Tip)) {
        case SatirTipi::GR: d.RaporSQL = Deger_Araligi_Kosulu(b, d.RaporSQL, s); break;
        case SatirTipi::TK: d.RaporSQL = Esitlik_Kosulu(b, d.RaporSQL, s); break;
        case SatirTipi::TR: d.RaporSQL = Tarih_Araligi_Kosulu(b, d.RaporSQL, s); break;
        case SatirTipi::BTR: d.RaporSQL = Bitis_Tarihi_Kosulu(b, d.RaporSQL, s); break;
        case SatirTipi::OZ: d.RaporSQL = Secenek_Kosulu(b, d.RaporSQL, s); break;
        case SatirTipi::CS: d.RaporSQL += Coktan_Secmeli_Kosul(b, s); break;
        case SatirTipi::BL: d.AyriSayfaya = Evet_Hayir_Cevir(s); break;
        case SatirTipi::DT: d.DetayGoster = Evet_Hayir_Cevir(s); break;
        case SatirTipi::Bilinmeyen: break;
        }
        if (s.FiltreLbl == QStringLiteral("Satır Tipi")) d.RaporSQL.replace(kYerTutucu, satirTipiKosulu(s.Baslangic));
    }
}

QString havingGecisi(Birlestirme& b, Satirlar& satirlar) {
    QString parcalar;
    for (FiltreSatiri& s : satirlar) {
        if (Satir_Tipi(s.Tip) != SatirTipi::GR) continue;
        b.durum.HavingVar = false;
        if (s.FiltreLbl == QStringLiteral("Bakiye Aralığı")) parcalar += Bakiye_Araligi_Having(b, s);
    }
    return parcalar;
}

// Row of each caption: the first (for the order) and the last (for the grouping) bearing it.
struct BaslikDizini {
    QHash<QString, const FiltreSatiri*> ilk, son;
    explicit BaslikDizini(const Satirlar& satirlar) {
        for (const FiltreSatiri& s : satirlar) {
            if (!ilk.contains(s.FiltreLbl)) ilk.insert(s.FiltreLbl, &s);
            son.insert(s.FiltreLbl, &s);
        }
    }
};

void grupGecisi(const Satirlar& satirlar, const BaslikDizini& dizin, SorguDurumu& d) {
    d.GrupAlani.clear();
    for (const FiltreSatiri& s : satirlar) {
        if (s.FiltreLbl != QLatin1String("Grupla")) continue;
        // Of the rows bearing the caption the "Grupla" row names, the last one counts.
        const FiltreSatiri* hedef = dizin.son.value(s.Baslangic);
        if (!hedef) continue;
        const qsizetype p = hedef->Alan.indexOf(u'.') + 1; // 1-based, 0 when none
        d.GrupAlani = hedef->Alan.mid(p);
        d.GrupTablosu = hedef->Alan.left(p);
        d.GrupAdi = s.Baslangic;
    }
}

void grupEkle(SorguDurumu& d, QString& grupCumlesi) {
    if (d.GrupAlani.isEmpty()) return;
    const qsizetype f = d.RaporSQL.indexOf(QLatin1String("From")) + 1;
    const QString secimKismi = d.RaporSQL.left(f);
    if (!secimKismi.contains(d.GrupAlani)) d.RaporSQL = d.RaporSQL.left(7) + d.GrupTablosu + d.GrupAlani + u',' + d.RaporSQL.mid(7);
    if (!grupCumlesi.trimmed().isEmpty() && !grupCumlesi.contains(d.GrupTablosu + d.GrupAlani))
        grupCumlesi += QStringLiteral(", ") + d.GrupTablosu + d.GrupAlani;
}

void secenekGecisi(const Satirlar& satirlar, const BaslikDizini& dizin, SorguDurumu& d) {
    QString yon;
    for (const FiltreSatiri& s : satirlar) {
        const QString& lbl = s.FiltreLbl;
        const QString& deger = s.Baslangic;
        if (lbl == QStringLiteral("Fatura Açıklamasını Göster"))
            d.FaturaAciklamasiGoster = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Sıralama Türü"))
            yon = deger == QLatin1String("Z/A") ? QStringLiteral(" DESC") : QString();
        else if (lbl == QStringLiteral("Satır Çizgisi Ekle"))
            d.SatirCizgisiEkle = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Genel Rapor Toplamı"))
            d.GenelRaporToplami = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Sıralama Seçimi")) {
            const FiltreSatiri* k = dizin.ilk.value(deger);
            if (!k) continue;
            const QString& a = k->Alan;
            const QString grup = d.GrupTablosu + d.GrupAlani;
            if (d.GrupAlani.isEmpty() || a == grup)
                d.RaporSQL += QStringLiteral(" ORDER BY ") + a + yon;
            else
                d.RaporSQL += QStringLiteral(" ORDER BY ") + grup + QStringLiteral(", ") + a + yon;
        }
    }
}

} // namespace

QString Yer_Tutucudan_Ayir(const QString& v) {
    QString s = v;
    s.replace(kYerTutucu, kAyrilmis);
    return s;
}

QString Sql_Degeri(const QString& v, const QString& q) {
    const QString ayrik = Yer_Tutucudan_Ayir(v);
    return q + (q.isEmpty() ? ayrik : tirnakIci(ayrik)) + q;
}

bool Satir_Aktif(const FiltreSatiri& satir) {
    if (satir.gizli) return false;
    const QString g = satir.Girsin.trimmed();
    if (g.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    bool sayi = false;
    const double n = g.toDouble(&sayi);
    return sayi && n != 0.0;
}

Yerlesim Join_Konumu(const QString& sql, const QString& alan) {
    const qsizetype nokta = alan.indexOf(u'.');
    if (nokta < 0) return {};
    const QString aranan = QStringLiteral("JOIN ") + alan.left(nokta) + QStringLiteral(" ON");
    const qsizetype bulunan = sql.indexOf(aranan);
    if (bulunan < 0) return {};
    qsizetype konum = sql.indexOf(u'(', bulunan + aranan.size());
    if (konum < 0) return {};
    int derinlik = 1;
    for (;;) {
        const qsizetype ac = sql.indexOf(u'(', konum + 1);
        const qsizetype kapa = sql.indexOf(u')', konum + 1);
        if (kapa < 0) return {true, sql.size()};
        if (ac >= 0 && ac < kapa) {
            konum = ac;
            ++derinlik;
        } else {
            konum = kapa;
            if (--derinlik == 0) return {true, kapa};
        }
    }
}

QString Kosul_Yerlestir(Birlestirme& b, const QString& sql, const QString& alan, const QString& kosul) {
    const Yerlesim y = Join_Konumu(sql, alan);
    if (y.join) return sql.left(y.nokta) + QStringLiteral(" AND ") + kosul + sql.mid(y.nokta);
    return sql + Where_Veya_And(b.durum) + kosul;
}

QString Where_Veya_And(SorguDurumu& d) {
    if (d.WhereVar) return QStringLiteral(" AND ");
    d.WhereVar = true;
    return QStringLiteral(" WHERE ");
}

SorguSonucu Sorgu_Birlestir(const SorguOrtami& ortam, SorguDurumu onceki, std::vector<FiltreSatiri> satirlar) {
    SorguSonucu sonuc{std::move(onceki), std::move(satirlar)};
    SorguDurumu& d = sonuc.durum;
    Birlestirme b{ortam, d};
    d.HataMesaji.clear();
    d.RaporSQL = ortam.TemelSQL;
    QString grupCumlesi = ortam.GroupSQL;
    d.WhereVar = ortam.TemelSQL.toUpper().contains(QLatin1String("WHERE"));
    kosulGecisi(b, sonuc.satirlar);
    const QString having = havingGecisi(b, sonuc.satirlar);
    const BaslikDizini dizin(sonuc.satirlar);
    grupGecisi(sonuc.satirlar, dizin, d);
    grupEkle(d, grupCumlesi);
    d.RaporSQL += grupCumlesi + having;
    secenekGecisi(sonuc.satirlar, dizin, d);
    d.RaporSQL.replace(kAyrilmis, kYerTutucu);
    d.IsyeriKosulu.replace(kAyrilmis, kYerTutucu);
    return sonuc;
}

SorguOrtami Sorgu_Ortami(const Oturum& oturum, const SablonSql& sablon) {
    SorguOrtami o;
    o.TemelSQL = sablon.TemelSQL;
    o.GroupSQL = sablon.GroupSQL;
    o.OndalikAyirac = oturum.ayraclar.OndalikAyirac;
    o.BinlikAyirac = oturum.ayraclar.BinlikAyirac;
    o.IsyeriListesi = oturum.kisitlar.IsyeriListesi;
    o.AmbarListesi = oturum.kisitlar.AmbarListesi;
    o.IsyeriYetkiyeBagli = oturum.firma.IsyeriYetkiyeBagli;
    o.AmbarYetkiyeBagli = oturum.firma.AmbarYetkiyeBagli;
    o.buYil = QDate::currentDate().year();
    return o;
}

SorguDurumu Sorgu_Olustur(IzgaraModeli& grid, const SorguOrtami& ortam, SorguDurumu onceki) {
    Satirlar satirlar;
    for (int s = 1; s < grid.satirSayisi(); ++s) satirlar.push_back(Filtre_Satiri_Oku(grid, s));
    SorguSonucu sonuc = Sorgu_Birlestir(ortam, std::move(onceki), std::move(satirlar));
    for (int s = 1; s < grid.satirSayisi(); ++s) Filtre_Satiri_Yaz(grid, s, sonuc.satirlar[static_cast<size_t>(s - 1)]);
    return std::move(sonuc.durum);
}
