#pragma once
#include "platform/rapor/SayfaYazicilari.h"

#include <QPrinter>
#include <memory>

class QWidget;

namespace Bant {

// The printer: its dialog, then the pages through the print loop as they
// arrive. With no printer installed the dialog offers what the system has.
class Yazici {
public:
    explicit Yazici(const QString& belgeAdi);
    // Shows the print dialog; false when the user cancels it.
    bool sor(QWidget* ust);
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
