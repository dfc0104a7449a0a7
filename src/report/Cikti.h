#pragma once
#include "platform/rapor/Sayfa.h"
#include "startup/KomutSatiri.h"

#include <QString>
#include <functional>

class FiltreFormu;
class QWidget;

// Runs a fresh main report on the composed statement into `alici`; the
// number of pages. Data errors raise VeritabaniHatasi.
int Rapor_Uret(SayfaAlici& alici, const std::function<bool()>& iptal = {});

// "Temp.pdf" in the program's folder.
QString Pdf_Yolu();

// The PDF target: the report written to `dosya` (Temp.pdf when empty) and,
// when asked, opened with the desktop's PDF viewer. A failure is shown.
bool Pdf_Gonder(bool ac, const QString& dosya = {});

// The "Tamam" handler: compose, stop on a pending message, then the output
// target of the form's RaporYeri box. Failures are shown; the form stays usable.
void TamamBtn_Click(FiltreFormu& form, QWidget* ust);

// The batch mode behind the filter form: edits, then --sql, --pdf or --png.
void Toplu_Filtre_Formu(const KomutSatiri& k);
