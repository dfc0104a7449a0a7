#pragma once
#include "bant/Birimler.h"
#include "bant/GlifTablosu.h"
#include "bant/Sayfa.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

namespace Bant {

// Draws pages with one painter for every device. The painter's unit must be
// the twip (olcekle), so 8.5 pt stays 8.5 pt at any resolution. Glyphs come
// straight from the face's character map through a table read once, and a
// page's glyphs of one face go out in one run.
class SayfaCizici {
public:
    static void olcekle(QPainter& p, double dpi) { p.scale(Birim::olcek(dpi), Birim::olcek(dpi)); }
    // `gorunen`: the part of the page in view, in twips (the screen paints
    // only what is exposed); items wholly above or below it are skipped. A
    // null rectangle draws everything.
    void ciz(QPainter& p, const Sayfa& s, const QRectF& gorunen = QRectF());
    // The page's face with its size in twips (the painter's unit).
    static QFont yaziTipi(const YaziTipi& y, bool kalin);

private:
    struct Yuz {
        GlifTablosu glifler; // at the face's size in twips
        qreal ust = 0;       // ascent
    };
    // A page's glyphs of one face, gathered so they go out in one run: one
    // text object per face and page instead of one per item.
    struct Toplu {
        QList<quint32> glifler;
        QList<QPointF> konumlar;
    };
    void yuzleriHazirla(const YaziTipi& y);
    static void ekle(Toplu& t, Yuz& y, const SayfaOgesi& o);
    static void bosalt(QPainter& p, const Yuz& y, Toplu& t);

    bool hazir_ = false;
    YaziTipi yazi_;
    Yuz normal_, kalin_;
};

} // namespace Bant
