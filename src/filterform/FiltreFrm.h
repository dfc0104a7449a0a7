#pragma once
#include "filterform/FiltreFormu.h"

#include <QWidget>

class IzgaraGorunumu;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolButton;

// The filter form, the program's main window: a view over FiltreFormu.
// Closing it ends the program.
class FiltreFrm : public QWidget {
    Q_OBJECT
public:
    // Reads the template; a faulty one ends the program after its message.
    explicit FiltreFrm(QWidget* ust = nullptr);

    // The program file's name in Turkish upper case, e.g. "FATURA LİSTESİ".
    static QString pencereBasligi();
    FiltreFormu& form() { return form_; }

signals:
    // "Tamam" or F2: the controller composes and runs the report.
    void raporIstendi();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ilkEtkinlestirme();
    void TamamBtn_Click();
    // The "..." button at the right end of the current cell of a multiple-choice row.
    void Buton_Yerlestir();
    void AraBtn_Click();
    void secimListesiniGoster();
    void secimListesiniGizle();

    FiltreFormu form_;
    IzgaraGorunumu* FiltreGrd;
    QComboBox* RaporYeri;
    QProgressBar* Bar1;
    QLabel* FirmaLbl;
    QPushButton* TamamBtn;
    QPushButton* CikisBtn;
    IzgaraGorunumu* CoktanSecmeliGrd;
    QToolButton* AraBtn;
};
