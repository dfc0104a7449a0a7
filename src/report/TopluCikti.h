#pragma once
#include "bant/MetinDosyasi.h"
#include "report/RaporGirdisi.h"

#include <QString>
#include <optional>

// The batch outputs, each written only when named, all from one run.
struct TopluCiktilar {
    QString pdf;
    QString pngKlasoru;
    QString metin;
    QString excel;
    QString html;
    Bant::MetinSecenekleri metinSecenekleri;
    QString xlsx;
    // The printer, without its dialog: its name, empty for the default one.
    std::optional<QString> yazici;
};
// False after a shown failure. `yerineKonan`, when given, learns how many
// characters the text's code page could not hold.
bool Dosyalara_Yaz(const RaporGirdisi& girdi, const TopluCiktilar& c, int* yerineKonan = nullptr);
