#pragma once
#include <QString>
#include <stdexcept>

// An error of the data library: a number and a description, as the program's
// error traps read them. The numbers the program relies on are below.
class VeritabaniHatasi : public std::runtime_error {
public:
    VeritabaniHatasi(qint64 numara, const QString& aciklama, const QString& neden = {})
        : std::runtime_error(aciklama.toStdString()), numara_(numara), aciklama_(aciklama), neden_(neden) {}
    qint64 numara() const { return numara_; }
    const QString& aciklama() const { return aciklama_; }
    // The earlier failure this one follows from, when known: a record set
    // closed because its statement failed says which statement and why.
    const QString& neden() const { return neden_; }

private:
    qint64 numara_;
    QString aciklama_;
    QString neden_;
};

namespace HataNo {
constexpr qint64 GecersizNull = 94;              // Null where a value is needed
constexpr qint64 TurUyusmazligi = 13;            // text that is not a number
constexpr qint64 KayitYok = 3021;                // BOF or EOF, no current record
constexpr qint64 AlanYok = 3265;                 // field name not in the row
constexpr qint64 NesneKapali = 3704;             // record set is closed
constexpr qint64 GirisReddedildi = 0x80040E4DLL; // the server refused the login
constexpr qint64 Genel = 0x80004005LL;           // unspecified provider error
constexpr qint64 SorguHatasi = 0x80040E14LL;     // the statement failed
} // namespace HataNo

namespace HataMetni {
inline QString kayitYok() {
    return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. "
                          "Requested operation requires a current record.");
}
inline QString alanYok() {
    return QStringLiteral("Item cannot be found in the collection corresponding to the "
                          "requested name or ordinal.");
}
inline QString nesneKapali() { return QStringLiteral("Operation is not allowed when the object is closed."); }
inline QString gecersizNull() { return QStringLiteral("Invalid use of Null"); }
inline QString turUyusmazligi() { return QStringLiteral("Type mismatch"); }
// A value no amount can hold (NaN, infinity, beyond ±10^30) in a column that is shown or summed as an amount.
inline QString tutarAralikDisi(const QString& alan, const QString& deger) {
    return QStringLiteral("\"%1\" alanındaki %2 değeri tutar olarak gösterilemez: sayı değil ya da çok büyük.").arg(alan, deger);
}
} // namespace HataMetni
