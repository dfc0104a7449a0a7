#pragma once
#include <QString>

// Turkish upper case: "i" becomes "İ", "ı" becomes "I", the rest by the
// ordinary rule.
QString Buyuk_Harf(const QString& metin);

// The password scrambler of the suite, over code page 1254.
QString Sifrele(const QString& metin);
