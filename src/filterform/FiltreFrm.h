#pragma once
#include "filterform/FiltreFormu.h"

#include <QPointer>
#include <QWidget>

class IzgaraGorunumu;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

// The filter form, the program's main window: a view over FiltreFormu.
// Closing it ends the program.
class FiltreFrm : public QWidget {
    Q_OBJECT
public:
    // Reads the template; a faulty one ends the program after its message.
    // `liste`: what the look-up lists are read with; `firmaAdi`: the company shown above the grid.
    FiltreFrm(ListeOrtami liste, const QString& firmaAdi, QWidget* ust = nullptr);

    // The program file's name in Turkish upper case, e.g. "FATURA LİSTESİ".
    static QString pencereBasligi();
    FiltreFormu& form() { return form_; }
    // The user closed the form while it was busy (a report run, the look-ups
    // loading): what runs stops, then the form closes.
    bool kapaniyor() const { return kapanis_; }
    // A report the form asked for is under way.
    bool calisiyor() const { return calisiyor_; }

signals:
    // "Tamam" or F2: the controller composes and runs the report.
    void raporIstendi();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ilkEtkinlestirme();
    void TamamBtn_Click();
    // The "..." button at the right end of the current cell of a multiple-choice row.
    void Buton_Yerlestir();
    void AraBtn_Click();
    void izgaraKaydi();
    void secimListesiniGoster();
    void secimListesiniGizle();
    // Keys of the filter grid itself (the cell editors see their own).
    bool izgaraTusu(QKeyEvent* e);
    // The editor of a date cell formats and checks the date as it is typed.
    void duzenleyiciAcildi(QWidget* duzenleyici, int satir);
    bool tarihTusu(QKeyEvent* e);
    void Tarih_Duzenle();
    void Sil();

    FiltreFormu form_;
    IzgaraGorunumu* FiltreGrd;
    QComboBox* RaporYeri;
    QProgressBar* Bar1;
    QLabel* FirmaLbl;
    QPushButton* TamamBtn;
    QPushButton* CikisBtn;
    IzgaraGorunumu* CoktanSecmeliGrd;
    QToolButton* AraBtn;
    QPointer<QLineEdit> tarihKutusu_;
    bool yukleniyor_ = false;
    bool calisiyor_ = false; // a report run started here is under way
    bool kapanis_ = false;
    // Closes the form if the user asked while it was busy.
    void bekleyenKapanis();
};
