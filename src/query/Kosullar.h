#pragma once
// The condition builders of one composition. Each works on the composition's
// state and on the row it is given, which it may normalise.
#include "query/Sorgu.h"

struct Birlestirme {
    const SorguOrtami& ortam;
    SorguDurumu& durum;
};

// A value typed or chosen by the user as it goes into the statement: between
// the row's quotes `q` (empty for a numeric row), embedded quotes doubled.
// Its "æ" is held apart from the template's line-type placeholder until the
// composition ends (Sorgu_Birlestir restores it), so no value can become SQL.
QString Sql_Degeri(const QString& v, const QString& q);
// The quote of a row's values: none for a numeric row (Ayirac "1"), else "'".
inline QString Deger_Tirnagi(const QString& ayirac) { return ayirac == QLatin1String("1") ? QString() : QStringLiteral("'"); }
QString Yer_Tutucudan_Ayir(const QString& v);

// What joins a condition behind the statement: " WHERE " for the first (it
// sets WhereVar), " AND " for the next.
QString Where_Veya_And(SorguDurumu& d);

// Places `kosul` inside the join clause of `alan`'s table (" AND " + kosul),
// else behind the statement: " WHERE " + kosul (setting WhereVar) or " AND " + kosul.
QString Kosul_Yerlestir(Birlestirme& b, const QString& sql, const QString& alan, const QString& kosul);

// Range and date conditions.
QString Bitis_Tarihi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir);
QString Tarih_Araligi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir);
QString Deger_Araligi_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir);
QString Bakiye_Araligi_Having(Birlestirme& b, FiltreSatiri& satir);
void Sayisal_Deger_Kontrol(const Birlestirme& b, FiltreSatiri& satir);
void Bakiye_Ondalik_Cevir(Birlestirme& b, FiltreSatiri& satir);

// Choice conditions.
QString Esitlik_Kosulu(Birlestirme& b, const QString& sql, FiltreSatiri& satir);
QString Secenek_Kosulu(Birlestirme& b, const QString& sql, const FiltreSatiri& satir);
QString Coktan_Secmeli_Kosul(Birlestirme& b, const FiltreSatiri& satir);
bool Evet_Hayir_Cevir(const FiltreSatiri& satir);
