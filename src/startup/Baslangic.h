#pragma once
#include "startup/Oturum.h"

#include <QString>
#include <QStringList>
#include <functional>

// What start-up opens. The windows live above this layer, so the entry
// point hands these to Main; the batch mode opens its headless filter form
// instead of a window.
struct BaslangicKancalari {
    std::function<void(std::shared_ptr<const Oturum>)> filtreFormuAc;
    std::function<void()> girisPenceresiAc;
};

// The command line split at "|": Parametreler (index 0 stays empty) and the
// login they name.
struct KomutParametreleri {
    QStringList Parametreler;
    GirisBilgisi giris;
    bool girisPenceresi() const { return Parametreler.value(1) == QLatin1String("-1"); }
};

// Splits the command line (the text after the program's name). Ends the
// program after a message when the line has one to four parameters or a
// user ID that is not a whole number.
KomutParametreleri Parametreleri_Oku(const QString& komutSatiri);

// Program entry: reads the command line and opens the login window or runs Baslat.
void Main(const QString& komutSatiri, const BaslangicKancalari& kancalar);

// Connects, checks the regional settings, reads the company settings and the
// rights, and opens the filter form with the session made of them; ends the
// program after a message on failure.
void Baslat(const GirisBilgisi& giris, const BaslangicKancalari& kancalar);

// The texts start-up ends the program with.
namespace BaslangicMesaji {
QString eksikParametre();
QString gecersizKullanici();
QString baglanilamadi();
QString hataAyrintisi();
QString yetkiYok();
} // namespace BaslangicMesaji
