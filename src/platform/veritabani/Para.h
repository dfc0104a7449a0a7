#pragma once
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>
#include <stdexcept>

// Money as the database keeps it: fixed point with four decimal places.
// Amounts are never held in a double, so sums are exact to the cent. A
// single value lies in the server's money range; the 128-bit store lets any
// sum of such values stay exact.
class Para {
public:
    using Ham = __int128;
    static constexpr qint64 kBirim = 10000;
    // The server's money range, in ten-thousandths: ±922,337,203,685,477.5807.
    static constexpr Ham kEnBuyuk = 9223372036854775807LL;
    static constexpr Ham kEnKucuk = -kEnBuyuk - 1;

    // A value that money cannot hold: not a number, infinite, or beyond its range.
    class AralikDisi : public std::range_error {
    public:
        explicit AralikDisi(const QString& deger) : std::range_error(deger.toStdString()), deger_(deger) {}
        const QString& deger() const { return deger_; }

    private:
        QString deger_;
    };

    constexpr Para() = default;
    static constexpr Para hamdan(Ham onBinde) {
        Para p;
        p.ham_ = onBinde;
        return p;
    }
    // A whole number of units; AralikDisi beyond the money range.
    static Para tamdan(qint64 tam);
    // Rounds half away from zero to four decimals, as a conversion to money
    // does; AralikDisi for NaN, infinity and values beyond the money range.
    static Para ondaliktan(double d);
    // "-1234.5", "12,50" ... with the given decimal separator; no thousands separators.
    static std::optional<Para> metinden(const QString& metin, QChar ondalik = u'.');

    constexpr Ham ham() const { return ham_; }
    constexpr bool paraAraligindaMi() const { return ham_ >= kEnKucuk && ham_ <= kEnBuyuk; }
    double ondalik() const { return static_cast<double>(ham_) / kBirim; }
    // Plain text with four decimals and '.', e.g. "-12.3400".
    QString metin() const;
    // Rounded to n decimals (0..4), half away from zero.
    Para yuvarla(int basamak) const;

    Para operator+(Para o) const { return hamdan(ham_ + o.ham_); }
    Para operator-(Para o) const { return hamdan(ham_ - o.ham_); }
    Para operator-() const { return hamdan(-ham_); }
    Para& operator+=(Para o) {
        ham_ += o.ham_;
        return *this;
    }
    Para& operator-=(Para o) {
        ham_ -= o.ham_;
        return *this;
    }
    auto operator<=>(const Para&) const = default;

private:
    Ham ham_ = 0;
};
