#pragma once
#include "startup/Oturum.h"
#include "template/FiltreSatiri.h"
#include "template/Sablon.h"

#include <QString>
#include <QStringList>
#include <vector>

class IzgaraModeli;

// What composition reads and never changes: the template's statements, the
// regional separators, the user's workplace and warehouse restrictions, and
// the year that completes a date typed without one.
struct SorguOrtami {
    QString TemelSQL;
    QString GroupSQL;
    QString OndalikAyirac;
    QString BinlikAyirac;
    QString IsyeriListesi;
    QString AmbarListesi;
    bool IsyeriYetkiyeBagli = false;
    bool AmbarYetkiyeBagli = false;
    int buYil = 0;
};

// The session's and the template's part of it, with this year.
SorguOrtami Sorgu_Ortami(const Oturum& oturum, const SablonSql& sablon);

// What composition gives: the statement, the pending message and the report
// options, the run value the report is made from. The report options, the
// workplace condition, the group's table and caption and the balance working
// values keep what an earlier run left when no row sets them this time.
struct SorguDurumu {
    QString RaporSQL;
    QString HataMesaji; // the pending message; empty when the filters are right
    QString GrupAlani;
    QString GrupTablosu;
    QString GrupAdi;
    bool SatirCizgisiEkle = false;
    bool GenelRaporToplami = false;
    bool FaturaAciklamasiGoster = false;
    bool AyriSayfaya = false;
    bool DetayGoster = false;
    QString IsyeriKosulu;
    bool WhereVar = false;
    bool HavingVar = false;
    QString DegerTirnagi;
    QString BakiyeBaslangic;
    QString BakiyeBitis;
};

struct SorguSonucu {
    SorguDurumu durum;
    // The rows as given, with the cells composition normalises: a date whose
    // year it completed, a non-number cleared from a numeric row, a balance
    // cut at its second comma.
    std::vector<FiltreSatiri> satirlar;
};

// Composes the report statement from the template's statements and the filter
// rows (grid rows 1 on, in grid order), starting from the state an earlier run
// left. No grid: the same input gives the same result.
SorguSonucu Sorgu_Birlestir(const SorguOrtami& ortam, SorguDurumu onceki, std::vector<FiltreSatiri> satirlar);

// The press of "Tamam": composes from the grid's rows, writes the normalised
// cells back into the grid and gives the new state.
SorguDurumu Sorgu_Olustur(IzgaraModeli& grid, const SorguOrtami& ortam, SorguDurumu onceki);

// Where a condition on `alan` goes: inside the parentheses of the template's
// "JOIN <table> ON (...)" clause, or behind the statement.
struct Yerlesim {
    bool join = false;
    qsizetype nokta = 0; // JOIN: characters of the statement in front of the insertion
};
Yerlesim Join_Konumu(const QString& sql, const QString& alan);

// True when the row's Girsin reads as true and the row is not hidden.
bool Satir_Aktif(const FiltreSatiri& satir);

// The invoice line types the report selects, in the order "Hepsi" names them.
QStringList Satir_Tipleri();

namespace KosulMesaji {
QString tarih();
QString sene();
} // namespace KosulMesaji
