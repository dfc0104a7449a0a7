#pragma once
#include "bant/Belge.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

namespace Bant {

// One finished page: positioned items in twips from the paper's top left.
// Every device (preview, printer, PDF, PNG) draws the same pages.
struct SayfaOgesi {
    enum class Tur { Metin, Cizgi, Kutu };
    Tur tur = Tur::Metin;
    QString ad; // the control that made it
    QRect alan; // text and box: the rectangle; line: from topLeft to bottomRight
    QString metin;
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop;
    bool kalin = false;
    QColor renk; // box fill
    // For the exports that keep the report's structure: the section that made
    // the item, the laid-out section it belongs to (one number per section
    // printed, shared by all its lines), whether a sub-report made it, and for
    // a field showing its value, that value and its output format.
    Bolum::Tur bolum = Bolum::Tur::Detail;
    int blok = 0;
    bool ic = false;
    Deger deger;
    QString bicim;
};

struct Sayfa {
    int no = 0;
    int genislik = Birim::A4Genislik; // the paper, twips
    int yukseklik = Birim::A4Yukseklik;
    int solKenar = 0; // where the sections start, twips from the paper's left
    int ustKenar = 0; // the margins above the page header and below the footer, twips
    int altKenar = 0;
    YaziTipi yazi;
    QList<SayfaOgesi> ogeler;
};

// Receives pages as the engine finishes them, one after the other.
class SayfaAlici {
public:
    virtual ~SayfaAlici() = default;
    virtual void sayfa(Sayfa&& s) = 0;
};

} // namespace Bant
