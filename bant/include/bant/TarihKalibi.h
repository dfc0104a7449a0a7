#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

// Writes dates exactly as QDate::toString(format) does, fast for the formats
// reports print on every row ("dd.MM.yyyy" and the like): the format is read
// once, and day, month and year numbers go out by hand. A format with
// anything else (names of days or months, quoted text, other letters) and a
// year outside 1-9999 are handed to QDate::toString itself.
class TarihKalibi {
public:
    explicit TarihKalibi(const QString& bicim = QStringLiteral("dd.MM.yyyy"));
    const QString& bicim() const { return bicim_; }
    QString yaz(QDate gun) const;
    // "yyyy-MM-dd HH:mm:ss", as the database's date-time text has it.
    static QString saniyeli(const QDateTime& t);
    // "HH:mm:ss".
    static void saatEkle(QString& s, QTime t);

private:
    enum class Tur { Metin, Gun, Gun2, Ay, Ay2, Yil2, Yil4 };
    struct Parca {
        Tur tur;
        QString metin;
    };
    QString bicim_;
    QList<Parca> parcalar_;
    qsizetype enUzun_ = 0; // the longest text the parts can make
    bool elle_ = true;     // false: QDate::toString writes it
};
