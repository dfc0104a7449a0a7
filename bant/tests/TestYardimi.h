#pragma once
#include <QFile>
#include <QString>

// A file's bytes; empty when it cannot be read.
inline QByteArray dosyaIcerigi(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
