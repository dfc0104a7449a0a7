#include "bant/HedefDosya.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Bant {

HedefDosya::HedefDosya(const QString& yol) : yol_(yol) {
    const QFileInfo bilgi(yol);
    dogrudan_ = bilgi.exists() && !bilgi.isFile() && !bilgi.isDir();
    if (dogrudan_) {
        auto dosya = std::make_unique<QFile>(yol);
        if (dosya->open(QIODevice::WriteOnly)) aygit_ = std::move(dosya);
        return;
    }
    auto dosya = std::make_unique<QSaveFile>(yol);
    if (dosya->open(QIODevice::WriteOnly)) aygit_ = std::move(dosya);
}

HedefDosya::~HedefDosya() {
    if (!bitti_) vazgec();
}

bool HedefDosya::acik() const { return aygit_ != nullptr; }

bool HedefDosya::tamamla() {
    if (!aygit_ || bitti_) return false;
    bitti_ = true;
    if (dogrudan_) {
        const bool tamam = aygit_->flush() && aygit_->error() == QFileDevice::NoError;
        aygit_->close();
        return tamam;
    }
    return static_cast<QSaveFile&>(*aygit_).commit();
}

void HedefDosya::vazgec() {
    bitti_ = true;
    if (!aygit_) return;
    if (dogrudan_)
        aygit_->close();
    else
        static_cast<QSaveFile&>(*aygit_).cancelWriting();
    aygit_.reset();
}

} // namespace Bant
