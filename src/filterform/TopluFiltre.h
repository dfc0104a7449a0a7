#pragma once
#include "startup/KomutSatiri.h"

class FiltreFormu;

// Applies the batch edits to the filter rows, in order, each as the user
// would make it. A caption no row has, a value a pick-only list does not
// offer or an option a multiple choice lacks raises KullanimHatasi.
void Toplu_Duzenlemeleri_Uygula(FiltreFormu& form, const QList<KomutSatiri::Duzenleme>& duzenlemeler);

// The batch mode's filter form: template, look-ups, edits, and with --sql the
// composed statement on standard output.
void Toplu_Filtre_Formu(const KomutSatiri& k);
