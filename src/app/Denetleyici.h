#pragma once
#include "startup/KomutSatiri.h"

#include <functional>

class FiltreFormu;
class FiltreFrm;
class QWidget;

// The "Tamam" handler: compose, stop on a pending message, then the output
// target of the form's RaporYeri box. A press while a run is producing
// pages is ignored. Failures are shown; the form stays usable. `iptal`
// stops the run (the form closing); Escape in any window does too.
void TamamBtn_Click(FiltreFormu& form, QWidget* ust, const std::function<bool()>& iptal = {});

// Opens the filter form window with its "Tamam" wired to the handler above.
void Filtre_Formunu_Ac();

// The batch mode behind the filter form: edits, then --sql, --pdf or --png.
void Toplu_Filtre_Formu(const KomutSatiri& k);

// The batch login (--user): one attempt with the login's messages; then the
// user's companies on standard output, or with --company that company's start.
void Toplu_Giris(const KomutSatiri& k);
