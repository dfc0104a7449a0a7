#pragma once
#include <QString>
#include <QStringList>

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
    // Starts a program with arguments without waiting; false when it could not be started.
    virtual bool programCalistir(const QString& yol, const QStringList& argumanlar);
    // The desktop's program for a MIME type (the name of its entry), empty when none.
    virtual QString varsayilanUygulama(const QString& mimeTuru) const;
    // Opens a file with the desktop's program for its type, without waiting.
    virtual bool dosyayiAc(const QString& dosya);
    // A program on the search path; empty when there is none.
    virtual QString programBul(const QString& ad) const;
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
