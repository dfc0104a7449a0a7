#pragma once
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>
#include <stdexcept>

// Money as the database keeps it: fixed point with four decimal places.
// Amounts are never held in a double, so sums are exact to the cent. The
// 128-bit store holds every value the server's money and decimal types give
// (and up to ±10^30) and any sum of them exactly.
class Para {
public:
    using Ham = __int128;
    static constexpr qint64 kBirim = 10000;
    // The largest amount held, in ten-thousandths: 10^34, that is 10^30 units.
    static constexpr Ham kEnBuyuk = static_cast<Ham>(10000000000000000LL) * static_cast<Ham>(1000000000000000000LL);

    // A value that cannot be held as an amount: not a number, infinite, or beyond ±10^30.
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
    // A whole number of units.
    static Para tamdan(qint64 tam) { return hamdan(static_cast<Ham>(tam) * kBirim); }
    // Rounds half away from zero to four decimals, as a conversion to money
    // does; AralikDisi for NaN, infinity and values beyond ±10^30.
    static Para ondaliktan(double d);
    // "-1234.5", "12,50" ... with the given decimal separator; no thousands separators.
    static std::optional<Para> metinden(const QString& metin, QChar ondalik = u'.');

    constexpr Ham ham() const { return ham_; }
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
