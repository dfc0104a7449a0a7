#pragma once
#include <QString>

// A value put between single quotes in SQL text: embedded quotes are doubled,
// so no value can end the literal early.
inline QString tirnakIci(const QString& deger) {
    QString s = deger;
    s.replace(u'\'', QLatin1String("''"));
    return s;
}
