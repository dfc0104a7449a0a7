#pragma once
#include "filterform/Secenekler.h"
#include "platform/izgara/IzgaraModeli.h"
#include "template/Sablon.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <functional>

// The filter form's logic without any window: the filter grid and the
// output-target box, loading, the first activation, the cursor and commit
// rules. The window FiltreFrm shows it; the batch mode drives it directly.
class FiltreFormu : public QObject {
    Q_OBJECT
public:
    // `liste`: what the look-up lists are read with.
    explicit FiltreFormu(ListeOrtami liste, QObject* ust = nullptr);

    IzgaraModeli FiltreGrd;
    IzgaraModeli RaporYeri;
    // The selection list of multiple-choice rows and its state: the row whose
    // list is open, and whether it was left with Escape.
    IzgaraModeli CoktanSecmeliGrd;
    int SecimSatiri = -1;
    bool SecimIptal = false;

    // Reads the template and prepares the rows; returns the template's
    // message when it is faulty (the caller shows it and ends the program).
    QString yukle(const QString& sablonYolu);
    // The template's statements, once read.
    const SablonSql& sablon() const { return sablon_; }
    const ListeOrtami& listeOrtami() const { return liste_; }

    // Fills the look-up lists the first time only. `ilerleme(deger, enFazla)`
    // follows the progress bar.
    void etkinlestir(const std::function<void(int, int)>& ilerleme = {});
    bool degerlerYuklendi() const { return degerlerYuklendi_; }

    // Before the cursor moves: false refuses the move (the caption column).
    bool hareketOncesi(int satir, int sutun);
    // After it moved; returns the cell the cursor must stand on instead, or
    // the same cell. Sets the editability the cell allows.
    std::pair<int, int> hareketSonrasi(int satir, int sutun);
    // After an edit of the current cell was committed.
    void duzenlemeSonrasi(int satir);

    bool cokluSecimSatiri(int satir) const;
    // Dates are typed with help in rows whose caption holds "İşlem Tarihi" and in "TR" rows.
    bool tarihSatiri(int satir) const;
    void Islem_Tarihi_Bugun();
    // The Delete key: a row with a drop-down list takes its first item, a
    // multiple-choice row all its options, any other row an empty cell.
    void Sil();
    // Set by each key typed into a date cell: false after Backspace or ".".
    bool TarihBicimle = true;

    // An edit as the user would make it: cursor to the cell, new text, commit.
    void duzenle(int satir, const QString& anahtar, const QString& metin);
    // Stores a multiple choice as the selection list does: the chosen options,
    // each followed by ","; none chosen means all ("Hepsi").
    void secimiKaydet(int satir, const QStringList& secilenler);
    // Options of a multiple-choice row, in list order.
    QStringList secenekler(int satir) const;

    // The "..." button: opens the list for the current row when it is
    // closed; stores the ticks into SecimSatiri and closes it when it is open.
    void AraBtn_Click();
    bool secimAcik() const { return secimAcik_; }
    // Escape in the list: the ticks since it opened are dropped.
    void secimdenVazgec();
    // The list lost the focus to another control than the "..." button:
    // unless it was left with Escape, the cursor goes back to SecimSatiri and
    // the ticks are stored; the list closes in every case.
    void secimOdagiKaybetti();

    // Rows whose caption is exactly `baslik`.
    QList<int> satirlar(const QString& baslik) const;

    // Whether the row's drop-down list allows `deger`: a free list any text,
    // a pick-only list its own items. A list not held whole asks the database.
    bool listeyeUyar(int satir, const QString& deger);

private:
    // A list read at first use is read now; a long one stays with the database.
    void listeyiHazirla(int satir);

    ListeOrtami liste_;
    SablonSql sablon_;
    bool degerlerYuklendi_ = false;
    bool secimAcik_ = false;
    QSet<int> ilkKullanimda_;
    QSet<int> uzunListeler_;
};
