#include "template/FiltreSatiri.h"

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
