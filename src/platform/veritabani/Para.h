#pragma once
#include <QString>
#include <QtGlobal>
#include <compare>
#include <optional>

// Money as the database keeps it: fixed point with four decimal places.
// Amounts are never held in a double, so sums are exact to the cent.
class Para {
public:
    static constexpr qint64 kBirim = 10000;

    constexpr Para() = default;
    static constexpr Para hamdan(qint64 onBinde) {
        Para p;
        p.ham_ = onBinde;
        return p;
    }
    static Para tamdan(qint64 tam) { return hamdan(tam * kBirim); }
    // Rounds half away from zero to four decimals, as a conversion to money does.
    static Para ondaliktan(double d);
    // "-1234.5", "12,50" ... with the given decimal separator; no thousands separators.
    static std::optional<Para> metinden(const QString& metin, QChar ondalik = u'.');

    constexpr qint64 ham() const { return ham_; }
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
    qint64 ham_ = 0;
};
