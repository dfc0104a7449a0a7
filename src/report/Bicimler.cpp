#include "report/Bicimler.h"
#include "bant/Belge.h"

using namespace Bant;

void Bicimleri_Uygula(const FirmaBilgisi& d, const QList<Bolum*>& bolumler) {
    const std::pair<QString, QString> tablo[] = {
        {QStringLiteral("#,##0.00"), d.AnaParaFormat}, {QStringLiteral("#,##0.000"), d.BirimFiyatFormat},
        {QStringLiteral("#,##0.0000"), d.DovizFormat}, {QStringLiteral("#,##0.00000"), d.DovizBirimFiyatFormat},
        {QStringLiteral("#,##0.000000"), d.KurFormat},
    };
    for (Bolum* b : bolumler) {
        for (int i = 0; i < b->Count(); ++i) {
            Kontrol& k = b->kontroller[static_cast<size_t>(i)];
            if (k.tur != Kontrol::Tur::Alan && k.tur != Kontrol::Tur::Ozet) continue;
            for (const auto& [tasarim, firma] : tablo) {
                if (k.cikisBicimi == tasarim) {
                    k.cikisBicimi = firma;
                    break;
                }
            }
        }
    }
}
