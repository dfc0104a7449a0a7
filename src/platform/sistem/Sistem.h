#pragma once
#include <QString>

// The operating-system services the program uses. Tests put a fake in place.
class SistemServisi {
public:
    virtual ~SistemServisi() = default;
    virtual QString bilgisayarAdi() const;
    // Major version of the system; 5 and above apply regional settings at once.
    virtual int anaSurum() const;
    virtual void yenidenBaslatIste();
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool programBaslat(const QString& yol);
    // Clears the clipboard and puts the text on it.
    virtual void panoyaKoy(const QString& metin);
    virtual QString panodan() const;
    // Folder of the program file (links resolved) and its name without extension.
    virtual QString programDizini() const;
    virtual QString programAdi() const;
};

SistemServisi& sistem();
// Not owned; nullptr restores the real system.
void sistemServisiniAyarla(SistemServisi* servis);
