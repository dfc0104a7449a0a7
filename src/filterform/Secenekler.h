#pragma once
#include <QString>
#include <functional>

class IzgaraModeli;

// Look-up lists from the company database, chosen by the row's caption.
QString Deger_Listesi_Al(const QString& baslik);
QString CiftDeger_Listesi_Al(const QString& baslik);

// The query that fills the list of a caption; empty when the caption has none.
QString Secenek_Sorgusu(const QString& baslik);

// Fills the lists of every row whose caption is known. `ilerleme(deger, enFazla)`
// follows the progress bar; the event loop runs before each row.
void Secenekleri_Doldur(IzgaraModeli& grid, const std::function<void(int, int)>& ilerleme = {});

// Names of the chosen workplaces for the report header (SeciliIsyerleri).
void Isyeri_Basligi(const IzgaraModeli& grid);
