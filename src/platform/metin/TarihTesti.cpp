#include "platform/metin/TarihTesti.h"

#include <QRegularExpression>

namespace TarihTesti {

std::optional<QDate> tarih(const QString& metin, const QDate& bugun) {
    static const QRegularExpression re(QStringLiteral(R"(^\s*(\d{1,2})[/.\-](\d{1,2})(?:[/.\-](\d{1,4}))?\s*$)"));
    const auto m = re.match(metin);
    if (!m.hasMatch()) return std::nullopt;
    const int gun = m.captured(1).toInt();
    const int ay = m.captured(2).toInt();
    int yil = bugun.year();
    if (m.hasCaptured(3)) {
        const QString y = m.captured(3);
        yil = y.toInt();
        if (y.size() <= 2) yil += yil < 30 ? 2000 : 1900;
        if (yil < 100) return std::nullopt;
    }
    const QDate d(yil, ay, gun);
    if (!d.isValid()) return std::nullopt;
    return d;
}

} // namespace TarihTesti
