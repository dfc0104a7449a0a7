#pragma once
#include "bant/Sayfa.h"

#include <QMap>
#include <climits>

namespace Bant {

// One line of a page as the exports read it: the texts of one printed
// section that stand side by side, left to right.
struct Satir {
    Bolum::Tur bolum = Bolum::Tur::Detail;
    bool ic = false; // printed by a sub-report (an invoice's lines)
    int blok = 0;
    int ust = 0; // twips from the paper's top
    int alt = 0;
    QList<const SayfaOgesi*> hucreler;
    bool kalin() const;
};

// The page's texts as lines, top to bottom. Texts of the same section stand
// on one line when their tops lie less than half the lower one's height
// apart (captions set a few twips off each other still read as one line).
QList<Satir> Sayfa_Satirlari(const Sayfa& sayfa);

// The columns of a report's table, taken from the line of its column
// captions; texts find their column by their horizontal extent.
class Kolonlar {
public:
    Kolonlar() = default;
    explicit Kolonlar(const Satir& basliklar);
    bool bos() const { return araliklar_.isEmpty(); }
    int sayi() const { return static_cast<int>(araliklar_.size()); }
    const QString& baslik(int i) const { return basliklar_.at(i); }
    // The column the text overlaps most, else the nearest one.
    int kolon(const QRect& alan) const;
    // A line's texts by column, `kayma` columns to the right. Without
    // columns each text takes the next one, the last of `enFazla` holding the rest.
    QMap<int, QList<const SayfaOgesi*>> dagit(const QList<const SayfaOgesi*>& hucreler, int kayma = 0, int enFazla = INT_MAX) const;

private:
    QList<QPair<int, int>> araliklar_;
    QStringList basliklar_;
};

// Of `araliklar` (from, to), the one that overlaps `sol`..`sag` most, else
// the one whose middle is nearest; 0 when there are none.
int En_Yakin_Aralik(const QList<QPair<int, int>>& araliklar, int sol, int sag);

// The line of column captions among a first page's lines: the last line of
// its page header; -1 when the page has no header.
qsizetype Baslik_Satiri(const QList<Satir>& satirlar);

} // namespace Bant
