#pragma once
#include "bant/MetinDosyasi.h"

#include <QDataStream>
#include <QTemporaryFile>

namespace Bant {

// The text export's pages kept in a temporary file while the report runs,
// so that the options can be asked once the run is over without holding
// the pages in memory; then written out with those options. The file goes
// with the object.
class MetinKuyrugu : public SayfaAlici {
public:
    MetinKuyrugu();
    // False when no temporary file could be made or written.
    bool hazir() const { return hazir_; }
    void sayfa(Sayfa&& s) override;
    // The kept pages into `yazici`; false when the file could not be read back.
    bool yaz(MetinDosyasi& yazici);

private:
    QTemporaryFile dosya_;
    QDataStream akis_;
    int sayfalar_ = 0;
    bool hazir_ = false;
};

} // namespace Bant
