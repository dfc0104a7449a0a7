#pragma once
#include "bant/Para.h"

#include <QString>

// Number formats of the "#,##0.00" kind: "," groups thousands, the zeros
// before the point are the minimum integer digits, the zeros after it fixed
// decimals and the "#" after it optional ones. The separators are those of
// the regional settings. The shown value is rounded half away from zero.
// As in the formats the report layouts were designed with, a pattern with a
// point always shows the decimal separator: 12 in "#,##0.###" gives "12,".
namespace SayiBicimi {

QString bicimle(Para deger, const QString& bicim, const QString& ondalik, const QString& binlik);
QString bicimle(double deger, const QString& bicim, const QString& ondalik, const QString& binlik);

} // namespace SayiBicimi
