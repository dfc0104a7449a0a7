#pragma once
#include <QString>

class IzgaraModeli;

// Range and date conditions.
QString Bitis_Tarihi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan);
QString Tarih_Araligi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan);
QString Deger_Araligi_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan, const QString& ayirac);
QString Bakiye_Araligi_Having(IzgaraModeli& grid, int satir, const QString& alan, const QString& ayirac);
void Sayisal_Deger_Kontrol(IzgaraModeli& grid, int satir);
void Bakiye_Ondalik_Cevir(IzgaraModeli& grid, int satir);

// Choice conditions.
QString Esitlik_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan, const QString& ayirac);
QString Secenek_Kosulu(IzgaraModeli& grid, const QString& sql, int satir, const QString& alan);
QString Coktan_Secmeli_Kosul(IzgaraModeli& grid, int satir, const QString& alan, const QString& ayirac);
bool Evet_Hayir_Cevir(const IzgaraModeli& grid, int satir);

namespace KosulMesaji {
QString tarih();
QString sene();
} // namespace KosulMesaji
