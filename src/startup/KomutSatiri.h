#pragma once
#include <QString>
#include <QStringList>

// The two ways to start the program. Classic: the suite's own command line,
// the arguments joined by one blank. Batch: a line that starts with "--":
//   --batch "DB|Server|UserID|SqlUser|Password" [--yes]
struct KomutSatiri {
    enum class Kip { Klasik, Toplu, Yardim, Hata };

    Kip kip = Kip::Klasik;
    QString parametreler; // the text Parametreleri_Oku splits
    bool evet = false;    // batch: answer every question Yes
    QString hata;         // Kip::Hata: what is wrong with the line

    static KomutSatiri coz(const QStringList& argumanlar); // without the program's name
    static QString kullanim(const QString& programAdi);
};
