#pragma once
#include "platform/rapor/Sayfa.h"

#include <QFont>
#include <QHash>
#include <QPainter>

// Draws pages with one painter for every device. The painter's unit must be
// the twip (olcekle), so 8.5 pt stays 8.5 pt at any resolution.
class SayfaCizici {
public:
    SayfaCizici();
    static void olcekle(QPainter& p, double dpi) { p.scale(dpi / 1440.0, dpi / 1440.0); }
    void ciz(QPainter& p, const Sayfa& s);
    // The report face: "Arial Narrow" 8.5 pt, as twips.
    static QFont yaziTipi(bool kalin);

private:
    QFont normal_, kalin_;
};
