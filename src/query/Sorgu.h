#pragma once
#include <QString>

class IzgaraModeli;

// Composes RaporSQL from TemelSQL, GroupSQL and the active filter rows, and
// sets the grouping fields and report options of the run-wide record. A
// wrong date leaves its message in HataMesaji (cleared at the start).
void Sorgu_Olustur(IzgaraModeli& grid);

// Where a condition on `alan` goes: inside the parentheses of the template's
// "JOIN <table> ON (...)" clause, or behind the statement.
struct Yerlesim {
    bool join = false;
    qsizetype nokta = 0; // JOIN: characters of the statement in front of the insertion
};
Yerlesim Join_Konumu(const QString& sql, const QString& alan);

// Places `kosul` by the rule above: " AND " + kosul inside the join clause,
// else " WHERE " + kosul (setting WhereVar) or " AND " + kosul behind.
QString Kosul_Yerlestir(const QString& sql, const QString& alan, const QString& kosul);

// True when the row's Girsin reads as true and the row is not hidden.
bool Satir_Aktif(const IzgaraModeli& grid, int satir);
