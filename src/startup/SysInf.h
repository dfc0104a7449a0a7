#pragma once
#include <QString>

// The suite's connection settings file: one line "server;sql user;sql
// password;show server box", in the folder that holds the "Rapor" folder.

// Where sys.inf lies for a program in `programDizini`: the path cut before
// its first "Rapor", the separator before it dropped. Empty when the path
// holds no "Rapor" or starts with it.
QString Sys_Inf_Yolu(const QString& programDizini);

// The first line of sys.inf beside the program's "Rapor" folder. A missing,
// empty or unreadable file ends the program after its message.
QString Sys_Inf_Oku();

struct SysInfAlanlari {
    QString sunucu;
    QString kullanici;
    QString sifre;
    bool sunucuKutusu = false; // field 4 reads as the number 1
};
// Fields separated by ";", not trimmed; missing ones are empty.
SysInfAlanlari Sys_Inf_Coz(const QString& satir);

// The number at the start of a text as the suite's scripting reads it:
// blanks skipped, digits with an optional sign and decimal point; 0 for a word.
double Sayi_Degeri(const QString& metin);

QString sysInfHatasi();
