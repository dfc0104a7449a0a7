#pragma once
#include <QList>
#include <QRect>
#include <QString>

namespace Bant {

// Where a line of text goes in its box: the left edge of its first glyph
// and how many glyphs are drawn.
struct Sigdirma {
    qreal x = 0;
    qsizetype glifSayisi = 0;
};

// The one rule for placing text in a fixed-width box, shared by the page
// painter and the PDF writer: text that fits is aligned left, right or
// centred. Right-aligned text too wide (an amount) stays whole and runs out
// over the box's left edge, so a number never prints as another number;
// other text too wide starts at the left edge and is cut after the last
// glyph that ends inside the box. `genislik` and the advances are in the
// caller's unit and `olcek` turns them into twips; `ilerlemeler()` gives
// the glyphs' advances and is called only when the text must be cut.
template <typename Ilerlemeler>
Sigdirma Metni_Sigdir(const QRect& kutu, Qt::Alignment hiza, qsizetype glifSayisi, qreal genislik, qreal olcek, Ilerlemeler&& ilerlemeler) {
    Sigdirma s{static_cast<qreal>(kutu.left()), glifSayisi};
    const qreal gen = genislik * olcek;
    if (gen > kutu.width() && !(hiza & Qt::AlignRight)) {
        const QList<qreal> a = ilerlemeler();
        qreal w = 0;
        qsizetype n = 0;
        while (n < glifSayisi && (w + a.at(n)) * olcek <= kutu.width()) w += a.at(n++);
        s.glifSayisi = n;
    } else if (hiza & Qt::AlignRight) {
        s.x = kutu.right() + 1 - gen;
    } else if (hiza & Qt::AlignHCenter) {
        s.x = kutu.left() + (kutu.width() - gen) / 2;
    }
    return s;
}

// The part of a text that can show at all in its box, so that a very long
// value costs no more to shape than a short one. No glyph is narrower than a
// tenth of an em, so at most that many characters fit: from the start of a
// text that is cut on the right, from the end of a right-aligned one, which
// runs out to the left as far as the paper's edge. A view into `metin`, not
// a copy: a page has hundreds of texts.
inline QStringView Gorunebilen(const QString& metin, const QRect& kutu, Qt::Alignment hiza, qreal em) {
    if (em <= 0) return metin;
    const bool sag = hiza & Qt::AlignRight;
    const qsizetype sinir = static_cast<qsizetype>((sag ? kutu.right() + 1 : kutu.width()) * 10 / em) + 2;
    if (metin.size() <= sinir) return metin;
    qsizetype n = sinir;
    if (sag) {
        if (metin.at(metin.size() - n).isLowSurrogate()) --n; // keep a pair whole
        return QStringView(metin).right(n);
    }
    if (metin.at(n).isLowSurrogate()) ++n;
    return QStringView(metin).left(n);
}

// The advances of glyphs as plain numbers.
inline QList<qreal> yatayIlerlemeler(const QList<QPointF>& ilerlemeler) {
    QList<qreal> l;
    l.reserve(ilerlemeler.size());
    for (const QPointF& p : ilerlemeler) l << p.x();
    return l;
}

} // namespace Bant
