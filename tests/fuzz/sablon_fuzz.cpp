// Any bytes as a template file: the reader either gives the template's
// message or a grid, and the composer turns any grid into a statement that
// the embedded store's translation takes or refuses with a database error.
#include "filterform/FiltreIzgarasi.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/TsqlCevirici.h"
#include "bant/VeritabaniHatasi.h"
#include "query/Sorgu.h"
#include "template/Sablon.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut) {
    IzgaraModeli grid;
    Filtre_Izgarasi_Kur(grid);
    SablonSql sql;
    const QByteArray baytlar(reinterpret_cast<const char*>(veri), static_cast<qsizetype>(boyut));
    if (!Sablon_Coz(grid, sql, baytlar).isEmpty()) return 0;
    SorguOrtami ortam;
    ortam.TemelSQL = sql.TemelSQL;
    ortam.GroupSQL = sql.GroupSQL;
    ortam.OndalikAyirac = QStringLiteral(",");
    ortam.BinlikAyirac = QStringLiteral(".");
    ortam.buYil = 2026;
    std::vector<FiltreSatiri> satirlar;
    for (int s = 1; s < grid.satirSayisi(); ++s) {
        FiltreSatiri f = Filtre_Satiri_Oku(grid, s);
        f.Girsin = QStringLiteral("True");
        satirlar.push_back(f);
    }
    const SorguSonucu sonuc = Sorgu_Birlestir(ortam, {}, satirlar);
    try {
        TsqlCevirici::sqliteye(sonuc.durum.RaporSQL, {{{QStringLiteral("net_tutar"), QStringLiteral("MONEY")}}, {}, {}});
    } catch (const VeritabaniHatasi&) {}
    return 0;
}
