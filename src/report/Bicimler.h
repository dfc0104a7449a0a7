#pragma once
#include "startup/Oturum.h"

#include <QList>

namespace Bant {
struct Bolum;
}

// Replaces the layouts' placeholder formats "#,##0.00" ... "#,##0.000000" by
// the company's five formats, over the controls of the given sections.
void Bicimleri_Uygula(const FirmaBilgisi& firma, const QList<Bant::Bolum*>& bolumler);
