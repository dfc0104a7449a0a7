#pragma once
#include <QFile>
#include <QString>
#include <QTest>

// A file's bytes; empty when it cannot be read.
inline QByteArray dosyaIcerigi(const QString& yol) {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One row of a data-driven test on one line: its name, then its columns' values
// in order (a string literal fills a QString column, as with QTest's <<).
template <typename... T> void satirEkle(const char* ad, T... degerler) { (QTest::newRow(ad) << ... << degerler); }

// The columns of a data-driven test on one line: their types as template
// arguments, their names in the same order.
template <typename... T, typename... A> void sutunlar(A... adlar) {
    static_assert(sizeof...(T) == sizeof...(A), "one name for each type");
    (QTest::addColumn<T>(adlar), ...);
}
