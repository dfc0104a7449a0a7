#include "platform/sistem/KonsolMesaj.h"

#include <cstdio>

namespace {
void yaz(const QString& satir) {
    // Carriage returns of the message texts become line breaks on a terminal.
    QString s = satir;
    s.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    std::fputs(s.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}
} // namespace

void KonsolMesaj::goster(const QString& metin, Simge, const QString& baslik) { yaz(baslik + QStringLiteral(": ") + metin); }

bool KonsolMesaj::evetMi(const QString& metin, const QString& baslik) {
    yaz(baslik + QStringLiteral(": ") + metin);
    yaz(evetDe_ ? QStringLiteral("-> Evet (--yes)") : QStringLiteral("-> Hayır"));
    return evetDe_;
}
