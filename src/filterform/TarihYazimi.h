#pragma once
#include <QString>

// Date typing in the filter grid's date cells, without any window: the cell
// editor reports each key and each change of its text, and writes back what
// these functions return. Dates read day/month/year, 2, 2 and 4 digits.

// Whether the text should be reformatted after this key: not after
// Backspace or ".", which the user types to correct by hand.
bool TarihBicimle(int tus, const QString& tusMetni);

// A blank typed after at least six characters completes the year from
// today's short date (its characters seven to ten); empty when the blank
// does not complete anything.
QString Yili_Tamamla(const QString& metin, const QString& bugunKisaTarih);

struct TarihDuzeni {
    QString metin;     // the editor's new text
    int imlec = 0;     // and its cursor
    bool yaz = false;  // the text was rebuilt and goes into the editor
    QString mesaj;     // the last failed check, also for incomplete dates
    bool uyar = false; // a complete date failed: the message is shown, the text stays
};

// Reformats and checks the text being typed; `imlec` is the editor's cursor.
TarihDuzeni Tarih_Duzenle(const QString& metin, int imlec, bool bicimle);
