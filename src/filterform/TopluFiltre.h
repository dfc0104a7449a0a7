#pragma once
#include "query/Sorgu.h"
#include "startup/KomutSatiri.h"

class FiltreFormu;

// Applies the batch edits to the filter rows, in order, each as the user
// would make it. A caption no row has, a value a pick-only list does not
// offer or an option a multiple choice lacks raises KullanimHatasi.
void Toplu_Duzenlemeleri_Uygula(FiltreFormu& form, const QList<KomutSatiri::Duzenleme>& duzenlemeler);

// The batch mode's filter form: template (a faulty one ends the program
// after its message), look-ups, then the edits of the command line.
void Toplu_Formu_Hazirla(const KomutSatiri& k, FiltreFormu& form);

// Composes the statement; a pending message ends the program after it.
SorguDurumu Toplu_Sorgu_Olustur(FiltreFormu& form, const Oturum& oturum);
