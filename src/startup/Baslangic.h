#pragma once
#include <QString>
#include <functional>

// What start-up opens. The windows live above this layer, so the entry
// point sets these before Main runs; the batch mode opens its headless
// filter form instead of a window.
struct BaslangicKancalari {
    std::function<void()> filtreFormuAc;
    std::function<void()> girisPenceresiAc;
};
void Baslangic_Kancalarini_Ayarla(BaslangicKancalari k);

// Splits the command line (the text after the program's name) at "|" into
// Parametreler and the five run-wide fields. Ends the program after a
// message when the line has one to four parameters or a user ID that is not
// a whole number.
void Parametreleri_Oku(const QString& komutSatiri);

// Program entry: reads the command line and opens the login window or runs Baslat.
void Main(const QString& komutSatiri);

// Connects, checks the regional settings, reads the company settings and the
// rights and opens the filter form; ends the program after a message on failure.
void Baslat();

// The texts start-up ends the program with.
namespace BaslangicMesaji {
QString eksikParametre();
QString gecersizKullanici();
QString baglanilamadi();
QString hataAyrintisi();
QString yetkiYok();
} // namespace BaslangicMesaji
