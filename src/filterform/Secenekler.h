#pragma once
#include "startup/Oturum.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class IzgaraModeli;

// A drop-down holds at most this many values; a longer list offers those
// that start with what is typed, at most kOnEkSiniri of them at a time.
constexpr int kEnCokSecenek = 10000;
constexpr int kOnEkSiniri = 200;

// What the look-ups read: the connection, the decimal separator numbers are
// listed with, and the user's workplace and warehouse restrictions.
struct ListeOrtami {
    std::shared_ptr<Baglanti> baglanti;
    QString OndalikAyirac;
    Kisitlar kisitlar;
};
ListeOrtami Liste_Ortami(const Oturum& oturum);

// Look-up lists from the company database, chosen by the row's caption.
// A one-column list is std::nullopt when it holds more than kEnCokSecenek values.
std::optional<QString> Deger_Listesi_Al(const ListeOrtami& o, const QString& baslik);
QString CiftDeger_Listesi_Al(const ListeOrtami& o, const QString& baslik);

// The query that fills the list of a caption; empty when the caption has none.
QString Secenek_Sorgusu(const ListeOrtami& o, const QString& baslik);

// Whether a caption's list grows with the company (customers, stock,
// transactions): such a list is read when it is first used, not at activation.
bool Ilk_Kullanimda_Okunur(const QString& baslik);
// What a one-column list begins with: "Hepsi" (pick only) or "|" (free entry too).
QString Liste_Basi(const QString& baslik);
// Runs nothing but whether the caption's query can run; a failure is shown
// (with the list's query) and reaches the caller.
void Secenek_Sorgusunu_Dene(const ListeOrtami& o, const QString& baslik);
// The values of a caption's one-column list that start with `onEk`, in order,
// at most kOnEkSiniri; one query through the column's index.
QStringList Baslayan_Degerler(const ListeOrtami& o, const QString& baslik, const QString& onEk);
// Whether the caption's one-column list holds `deger`; one query.
bool Listede_Var(const ListeOrtami& o, const QString& baslik, const QString& deger);

// The rows whose list is not held whole in the grid.
struct Doldurulanlar {
    QList<int> ilkKullanimda; // read at first use
    QList<int> uzun;          // longer than a drop-down may be
};

// Fills the lists of every row whose caption is known. `ilerleme(deger, enFazla)`
// follows the progress bar; the event loop runs before each row.
Doldurulanlar Secenekleri_Doldur(const ListeOrtami& o, IzgaraModeli& grid, const std::function<void(int, int)>& ilerleme = {});

// Names of the chosen workplaces for the report header (SeciliIsyerleri),
// read with the composed workplace condition.
QString Isyeri_Basligi(const ListeOrtami& o, const IzgaraModeli& grid, const QString& isyeriKosulu);
