#pragma once
#include "platform/rapor/Belge.h"

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
};

struct Sayfa {
    int no = 0;
    int genislik = Birim::A4Genislik; // the paper, twips
    int yukseklik = Birim::A4Yukseklik;
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
