#pragma once
#include "bant/Para.h"

#include <QDateTime>
#include <QString>
#include <variant>

// One field value of a record, typed as the column delivers it. NULL is a
// value of its own, distinct from the empty text. The conversions follow the
// data library the program was written for: a NULL where a value is needed
// raises error 94, text that does not read as the wanted type error 13.
class Deger {
public:
    enum class Tur { Bos, Metin, Tamsayi, Ondalik, Para, Tarih, Bayrak };

    Deger() = default;
    static Deger metinden(const QString& s) { return Deger(s); }
    static Deger tamsayidan(qint64 n) { return Deger(n); }
    static Deger ondaliktan(double d) { return Deger(d); }
    static Deger paradan(Para p) { return Deger(p); }
    static Deger tarihten(const QDateTime& t) { return Deger(t); }
    static Deger bayraktan(bool b) { return Deger(b); }

    Tur tur() const { return static_cast<Tur>(v_.index()); }
    bool bosMu() const { return tur() == Tur::Bos; }

    QString metin() const;        // error 94 on NULL
    QString metinVeyaBos() const; // NULL gives the empty text
    qint64 tamsayi() const;       // whole numbers; fractions round half to even
    double ondalik() const;
    Para para() const;
    QDateTime tarih() const;
    bool bayrak() const; // any non-zero value is true

    bool operator==(const Deger& o) const { return v_ == o.v_; }

private:
    template <typename T> explicit Deger(T v) : v_(std::move(v)) {}
    std::variant<std::monostate, QString, qint64, double, Para, QDateTime, bool> v_;
};

// The store's and the servers' date texts: "YYYY-MM-DD[ HH:MM:SS[.fff]]" or with 'T'.
QDateTime tarihMetnindenOku(const QString& s);
