#pragma once
#include <QString>

#include <memory>

class QFileDevice;

namespace Bant {

// An output file that appears only when it is complete: the bytes go to a
// temporary file beside the target, which replaces the target at
// `tamamla()`. Until then, and after a failure or `vazgec()`, whatever stood
// at the target stays as it was. A target that is no regular file (a device
// such as /dev/null) is written directly.
class HedefDosya {
public:
    explicit HedefDosya(const QString& yol);
    ~HedefDosya(); // drops the temporary file unless completed
    HedefDosya(const HedefDosya&) = delete;
    HedefDosya& operator=(const HedefDosya&) = delete;

    // False when the file could not be created (no such folder, no rights).
    bool acik() const;
    QFileDevice& aygit() { return *aygit_; }
    // Puts the finished file in the target's place; false when a write or
    // the replacement failed (the target then keeps its previous content).
    bool tamamla();
    void vazgec();
    const QString& yol() const { return yol_; }

private:
    QString yol_;
    std::unique_ptr<QFileDevice> aygit_;
    bool dogrudan_ = false; // written in place: a device, not a file
    bool bitti_ = false;
};

} // namespace Bant
