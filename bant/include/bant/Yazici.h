#pragma once
#include "bant/SayfaliCizici.h"

#include <QPrinter>
#include <memory>

class QWidget;

namespace Bant {

// The printer: its dialog, then the pages through the print loop as they
// arrive, each on the paper and in the orientation it was laid out for.
// With no printer installed the dialog offers what the system has.
class Yazici {
public:
    explicit Yazici(const QString& belgeAdi);
    // Shows the print dialog; false when the user cancels it.
    bool sor(QWidget* ust);
    // Instead of the dialog, for unattended runs: the printer named `ad`, or
    // the system's default one when `ad` is empty; false when there is no such printer.
    bool sec(const QString& ad);
    // Where the report's pages go once the dialog was accepted.
    SayfaAlici& alici();
    // Ends the job; false when the printer could not be painted on.
    bool bitir();
    // Drops the job: what was drawn is not printed.
    void vazgec();

    // The given pages on `yazici`, whole pages with no margins of its own.
    static bool yazdir(QPrinter& yazici, const QList<Sayfa>& sayfalar);

private:
    QPrinter yazici_;
    std::unique_ptr<SayfaliCizici> cizici_;
};

} // namespace Bant
