#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Windows code page 1254 (Turkish): the single-byte code page of the suite's
// own files and of its password scrambler.
namespace Cp1254 {

// Code of one character, or nothing when the code page cannot represent it.
std::optional<unsigned char> kod(QChar c);
// Character of one code.
QChar karakter(unsigned char kod);

QString coz(const QByteArray& baytlar);
// The suite's own files: UTF-8 when the bytes are valid UTF-8 (a byte-order
// mark dropped), else this code page.
QString dosyaMetni(const QByteArray& baytlar);
// Characters the code page cannot represent become '?', as Windows does.
QByteArray kodla(const QString& metin);

} // namespace Cp1254
