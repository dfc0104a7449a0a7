#include "template/FiltreSatiri.h"
#include "platform/izgara/IzgaraModeli.h"

SatirTipi Satir_Tipi(const QString& tip) {
    static const struct {
        const char16_t* ad;
        SatirTipi tip;
    } tablo[] = {{u"GR", SatirTipi::GR}, {u"TR", SatirTipi::TR}, {u"BTR", SatirTipi::BTR}, {u"TK", SatirTipi::TK},
                 {u"OZ", SatirTipi::OZ}, {u"CS", SatirTipi::CS}, {u"BL", SatirTipi::BL},   {u"DT", SatirTipi::DT}};
    for (const auto& t : tablo)
        if (tip == QStringView(t.ad)) return t.tip;
    return SatirTipi::Bilinmeyen;
}

std::optional<FiltreSatiri> Filtre_Satiri_Ayir(const QString& satir) {
    QString alanlar[FiltreSatiri::kHucreSayisi];
    int n = 0;
    qsizetype konum = 0;
    while (konum < satir.size()) {
        const qsizetype noktali = satir.indexOf(u';', konum);
        if (noktali < 0 || n == FiltreSatiri::kHucreSayisi) return std::nullopt;
        alanlar[n++] = satir.mid(konum, noktali - konum);
        konum = noktali + 1;
    }
    FiltreSatiri s;
    int i = 0;
    s.herHucre([&](const QString&, QString& hucre) { hucre = alanlar[i++]; });
    return s;
}

FiltreSatiri Filtre_Satiri_Oku(const IzgaraModeli& grid, int satir) {
    FiltreSatiri s;
    s.herHucre([&](const QString& anahtar, QString& hucre) { hucre = grid.hucre(satir, anahtar); });
    s.gizli = grid.satirGizliMi(satir);
    return s;
}

void Filtre_Satiri_Yaz(IzgaraModeli& grid, int satir, const FiltreSatiri& deger) {
    deger.herHucre([&](const QString& anahtar, const QString& hucre) {
        if (grid.hucre(satir, anahtar) != hucre) grid.hucreYaz(satir, anahtar, hucre);
    });
    if (grid.satirGizliMi(satir) != deger.gizli) grid.satirGizle(satir, deger.gizli);
}
