#pragma once
#include "startup/Oturum.h"

#include <QString>
#include <memory>

// What one run of the report is made from: the session's connection,
// separators and company (name and number formats), and the composed
// statement with the options the filter rows set.
struct RaporGirdisi {
    std::shared_ptr<Baglanti> baglanti;
    Ayraclar ayraclar;
    FirmaBilgisi firma;

    QString RaporSQL;
    QString GrupAlani; // empty: no grouping
    QString GrupAdi;
    bool SatirCizgisiEkle = false;
    bool GenelRaporToplami = false;
    bool FaturaAciklamasiGoster = false;
    bool AyriSayfaya = false;
    bool DetayGoster = false;
    QString SeciliIsyerleri; // the workplaces the page header names
};
