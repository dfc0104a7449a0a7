#pragma once
#include "platform/rapor/Birimler.h"
#include "platform/rapor/Sayfa.h"

#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>

namespace Bant {

// Draws pages with one painter for every device. The painter's unit must be
// the twip (olcekle), so 8.5 pt stays 8.5 pt at any resolution. Report text
// is plain Latin script, so glyphs come straight from the font's character
// map and are reused: dates, names, captions and amounts repeat.
class SayfaCizici {
public:
    static void olcekle(QPainter& p, double dpi) { p.scale(Birim::olcek(dpi), Birim::olcek(dpi)); }
    void ciz(QPainter& p, const Sayfa& s);
    // The page's face with its size in twips (the painter's unit).
    static QFont yaziTipi(const YaziTipi& y, bool kalin);
    // Width of a text in twips, as it is drawn in the face `y`.
    qreal genislik(const QString& metin, bool kalin, const YaziTipi& y = {});

private:
    struct Dizgi {
        QGlyphRun run;
        qreal genislik = 0;
    };
    struct Yuz {
        QRawFont ham;
        qreal ust = 0; // ascent
        QHash<QString, Dizgi> onbellek;
    };
    // A page's glyphs of one face, gathered so they go out in one run: one
    // text object per face and page instead of one per item.
    struct Toplu {
        QList<quint32> glifler;
        QList<QPointF> konumlar;
    };
    void yuzleriHazirla(const YaziTipi& y);
    const Dizgi& dizgi(Yuz& y, const QString& metin);
    void ekle(Toplu& t, Yuz& y, const SayfaOgesi& o);
    static void bosalt(QPainter& p, const Yuz& y, Toplu& t);

    bool hazir_ = false;
    YaziTipi yazi_;
    Yuz normal_, kalin_;
};

} // namespace Bant
