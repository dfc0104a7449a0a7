#pragma once
#include "bant/OnizlemePenceresi.h"
#include "query/Sorgu.h"
#include "report/RaporGirdisi.h"
#include "startup/Baslangic.h"
#include "startup/KomutSatiri.h"

#include <QPointer>
#include <functional>

class FiltreFormu;
class QWidget;

// What lasts between the runs of one filter form: the session it was opened
// with, the composer's state an earlier run left, the preview window, and
// whether a run is producing pages.
struct Denetleyici {
    std::shared_ptr<const Oturum> oturum;
    SorguDurumu durum;
    QPointer<Bant::OnizlemePenceresi> onizleme;
    bool uretiliyor = false;
};

// The report's input: the session's part and the composed run.
RaporGirdisi Rapor_Girdisi(const Oturum& oturum, const SorguDurumu& durum, const QString& seciliIsyerleri);

// The "Tamam" handler: compose, stop on a pending message, then the output
// target of the form's RaporYeri box. A press while a run is producing
// pages is ignored. Failures are shown; the form stays usable. `iptal`
// stops the run (the form closing); Escape in any window does too.
void TamamBtn_Click(Denetleyici& d, FiltreFormu& form, QWidget* ust, const std::function<bool()>& iptal = {});

// Opens the filter form window of the session with its "Tamam" wired to the handler above.
void Filtre_Formunu_Ac(std::shared_ptr<const Oturum> oturum);

// The batch mode behind the filter form: edits, then --sql, --pdf or --png.
void Toplu_Filtre_Formu(const KomutSatiri& k, const Oturum& oturum);

// The batch login (--user): one attempt with the login's messages; then the
// user's companies on standard output, or with --company that company's
// start with `kancalar`.
void Toplu_Giris(const KomutSatiri& k, const BaslangicKancalari& kancalar);
