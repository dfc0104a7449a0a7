#include "platform/metin/SayiTesti.h"

#include <QRegularExpression>

namespace SayiTesti {

bool sayiMi(const QString& metin, const QString& ondalik, const QString& binlik) {
    QString s = metin.trimmed();
    if (s.startsWith(u'+') || s.startsWith(u'-'))
        s = s.mid(1).trimmed();
    else if (s.endsWith(u'+') || s.endsWith(u'-'))
        s = s.left(s.size() - 1).trimmed();
    // Exponent.
    const qsizetype e = s.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    if (e >= 0) {
        QString us = s.mid(e + 1);
        if (us.startsWith(u'+') || us.startsWith(u'-')) us.remove(0, 1);
        if (us.isEmpty()) return false;
        for (QChar c : us)
            if (!c.isDigit()) return false;
        s.truncate(e);
    }
    const qsizetype nokta = ondalik.isEmpty() ? -1 : s.indexOf(ondalik);
    QString tam = nokta < 0 ? s : s.left(nokta);
    const QString kesir = nokta < 0 ? QString() : s.mid(nokta + ondalik.size());
    if (!binlik.isEmpty() && binlik != ondalik) tam.remove(binlik);
    if (tam.isEmpty() && kesir.isEmpty()) return false;
    for (QChar c : tam + kesir)
        if (!c.isDigit() || c.unicode() > '9') return false;
    return true;
}

} // namespace SayiTesti
