#pragma once
#include <QString>
#include <QStringList>

// The programs that open the exported files. The suite's settings store is
// asked first, as on the systems the suite comes from (the oldest Office
// version wins); else the desktop's program for the file's type.
struct Goruntuleyici {
    QString program; // a program to start with the file; empty: the desktop opens it
    bool masaustu = false;
    bool bulundu() const { return masaustu || !program.isEmpty(); }
};

// `xlsx`: the desktop's program for Office Open XML rather than for .xls.
Goruntuleyici Excel_Programi(bool xlsx = false);
// The browser; `mesaj` gets the message when there is none.
Goruntuleyici Tarayici(QString& mesaj);
Goruntuleyici Metin_Duzenleyici();

// Starts the viewer on the file, without waiting; false when nothing started.
bool Goruntule(const Goruntuleyici& g, const QString& dosya);

namespace GoruntuleyiciMesaji {
inline QString excelYok() { return QStringLiteral("Excel Programını Yüklemelisiniz"); }
inline QString programFilesYok() { return QStringLiteral("Program Files Klasörüne Ulaşılmadı"); }
inline QString tarayiciYok() { return QStringLiteral("İnternet Explorer Başlatılamdı."); }
} // namespace GoruntuleyiciMesaji
