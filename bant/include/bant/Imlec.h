#pragma once
#include "bant/Deger.h"

#include <QList>
#include <QStringList>

// A forward-only stream of rows of one statement. The report reads its rows
// through it, so memory does not grow with the number of rows.
class Imlec {
public:
    virtual ~Imlec() = default;
    virtual const QStringList& alanAdlari() const = 0;
    // Fills the next row; false at the end. Errors raise VeritabaniHatasi.
    virtual bool sonraki(QList<Deger>& satir) = 0;
};
