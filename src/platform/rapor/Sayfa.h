#pragma once
#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

// One finished page: positioned items in twips from the paper's top left.
// Every device (preview, printer, PDF, PNG) draws the same pages.
struct SayfaOgesi {
    enum class Tur { Metin, Cizgi, Kutu };
    Tur tur = Tur::Metin;
    QString ad;           // the control that made it
    QRect alan;           // text and box: the rectangle; line: from topLeft to bottomRight
    QString metin;
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop;
    bool kalin = false;
    QColor renk;          // box fill
};

struct Sayfa {
    int no = 0;
    int genislik = 11906;  // A4 portrait, twips
    int yukseklik = 16838;
    QList<SayfaOgesi> ogeler;
};

// Receives pages as the engine finishes them, one after the other.
class SayfaAlici {
public:
    virtual ~SayfaAlici() = default;
    virtual void sayfa(Sayfa&& s) = 0;
};
