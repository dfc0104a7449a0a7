#include "query/Sorgu.h"
#include "query/Kosullar.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/SqlMetni.h"
#include "startup/Degiskenler.h"
#include "template/FiltreSatiri.h"

namespace {

QString h(const IzgaraModeli& g, int satir, const QString& anahtar) { return g.hucre(satir, anahtar); }

QString satirTipiKosulu(const QString& deger) {
    if (deger != QLatin1String("Hepsi")) return QStringLiteral("FATURAHAREKET.Satir_Tipi='") + tirnakIci(deger) + u'\'';
    return QStringLiteral("FATURAHAREKET.Satir_Tipi='Mal' OR FATURAHAREKET.Satir_Tipi='Hizmet' OR "
                          "FATURAHAREKET.Satir_Tipi='Masraf'OR FATURAHAREKET.Satir_Tipi='İndirim'");
}

void kosulGecisi(IzgaraModeli& g, Degiskenler& d) {
    for (int s = 1; s < g.satirSayisi(); ++s) {
        if (h(g, s, Sutun::FiltreLbl).isEmpty()) break;
        if (!Satir_Aktif(g, s)) continue;
        const QString alan = h(g, s, Sutun::Alan);
        const QString ayirac = h(g, s, Sutun::Ayirac);
        switch (Satir_Tipi(h(g, s, Sutun::Tip))) {
        case SatirTipi::GR: d.RaporSQL = Deger_Araligi_Kosulu(g, d.RaporSQL, s, alan, ayirac); break;
        case SatirTipi::TK: d.RaporSQL = Esitlik_Kosulu(g, d.RaporSQL, s, alan, ayirac); break;
        case SatirTipi::TR: d.RaporSQL = Tarih_Araligi_Kosulu(g, d.RaporSQL, s, alan); break;
        case SatirTipi::BTR: d.RaporSQL = Bitis_Tarihi_Kosulu(g, d.RaporSQL, s, alan); break;
        case SatirTipi::OZ: d.RaporSQL = Secenek_Kosulu(g, d.RaporSQL, s, alan); break;
        case SatirTipi::CS: d.RaporSQL += Coktan_Secmeli_Kosul(g, s, alan, ayirac); break;
        case SatirTipi::BL: d.AyriSayfaya = Evet_Hayir_Cevir(g, s); break;
        case SatirTipi::DT: d.DetayGoster = Evet_Hayir_Cevir(g, s); break;
        case SatirTipi::Bilinmeyen: break;
        }
        if (h(g, s, Sutun::FiltreLbl) == QStringLiteral("Satır Tipi"))
            d.RaporSQL.replace(QStringLiteral("æ"), satirTipiKosulu(h(g, s, Sutun::Baslangic)));
    }
}

QString havingGecisi(IzgaraModeli& g, Degiskenler& d) {
    QString parcalar;
    for (int s = 1; s < g.satirSayisi(); ++s) {
        if (Satir_Tipi(h(g, s, Sutun::Tip)) != SatirTipi::GR) continue;
        d.HavingVar = false;
        if (h(g, s, Sutun::FiltreLbl) == QStringLiteral("Bakiye Aralığı"))
            parcalar += Bakiye_Araligi_Having(g, s, h(g, s, Sutun::Alan), h(g, s, Sutun::Ayirac));
    }
    return parcalar;
}

void grupGecisi(const IzgaraModeli& g, Degiskenler& d) {
    d.GrupAlani.clear();
    for (int s = 1; s < g.satirSayisi(); ++s) {
        if (h(g, s, Sutun::FiltreLbl) != QLatin1String("Grupla")) continue;
        const QString hedef = h(g, s, Sutun::Baslangic);
        for (int k = 1; k < g.satirSayisi(); ++k) {
            if (h(g, k, Sutun::FiltreLbl) != hedef) continue;
            const QString alan = h(g, k, Sutun::Alan);
            const qsizetype p = alan.indexOf(u'.') + 1; // 1-based, 0 when none
            d.GrupAlani = alan.mid(p);
            d.GrupTablosu = alan.left(p);
            d.GrupAdi = hedef;
        }
    }
}

void grupEkle(Degiskenler& d, QString& grupCumlesi) {
    if (d.GrupAlani.isEmpty()) return;
    const qsizetype f = d.RaporSQL.indexOf(QLatin1String("From")) + 1;
    const QString secimKismi = d.RaporSQL.left(f);
    if (!secimKismi.contains(d.GrupAlani)) d.RaporSQL = d.RaporSQL.left(7) + d.GrupTablosu + d.GrupAlani + u',' + d.RaporSQL.mid(7);
    if (!grupCumlesi.trimmed().isEmpty() && !grupCumlesi.contains(d.GrupTablosu + d.GrupAlani))
        grupCumlesi += QStringLiteral(", ") + d.GrupTablosu + d.GrupAlani;
}

void secenekGecisi(const IzgaraModeli& g, Degiskenler& d) {
    QString yon;
    for (int s = 1; s < g.satirSayisi(); ++s) {
        const QString lbl = h(g, s, Sutun::FiltreLbl);
        const QString deger = h(g, s, Sutun::Baslangic);
        if (lbl == QStringLiteral("Fatura Açıklamasını Göster"))
            d.FaturaAciklamasiGoster = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Sıralama Türü"))
            yon = deger == QLatin1String("Z/A") ? QStringLiteral(" DESC") : QString();
        else if (lbl == QStringLiteral("Satır Çizgisi Ekle"))
            d.SatirCizgisiEkle = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Genel Rapor Toplamı"))
            d.GenelRaporToplami = deger == QLatin1String("Evet");
        else if (lbl == QStringLiteral("Sıralama Seçimi")) {
            const int k = g.satirBul(Sutun::FiltreLbl, deger);
            if (k < 0) continue;
            const QString a = h(g, k, Sutun::Alan);
            const QString grup = d.GrupTablosu + d.GrupAlani;
            if (d.GrupAlani.isEmpty() || a == grup)
                d.RaporSQL += QStringLiteral(" ORDER BY ") + a + yon;
            else
                d.RaporSQL += QStringLiteral(" ORDER BY ") + grup + QStringLiteral(", ") + a + yon;
        }
    }
}

} // namespace

bool Satir_Aktif(const IzgaraModeli& grid, int satir) {
    if (grid.satirGizliMi(satir)) return false;
    const QString g = grid.hucre(satir, Sutun::Girsin).trimmed();
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

QString Kosul_Yerlestir(const QString& sql, const QString& alan, const QString& kosul) {
    const Yerlesim y = Join_Konumu(sql, alan);
    if (y.join) return sql.left(y.nokta) + QStringLiteral(" AND ") + kosul + sql.mid(y.nokta);
    Degiskenler& d = degiskenler();
    if (!d.WhereVar) {
        d.WhereVar = true;
        return sql + QStringLiteral(" WHERE ") + kosul;
    }
    return sql + QStringLiteral(" AND ") + kosul;
}

void Sorgu_Olustur(IzgaraModeli& grid) {
    Degiskenler& d = degiskenler();
    d.HataMesaji.clear();
    d.RaporSQL = d.TemelSQL;
    QString grupCumlesi = d.GroupSQL;
    d.WhereVar = d.TemelSQL.toUpper().contains(QLatin1String("WHERE"));
    kosulGecisi(grid, d);
    const QString having = havingGecisi(grid, d);
    grupGecisi(grid, d);
    grupEkle(d, grupCumlesi);
    d.RaporSQL += grupCumlesi + having;
    secenekGecisi(grid, d);
}
