#pragma once
#include <QWidget>

class QLabel;
class QPushButton;

// The filter form, the program's main window. Closing it ends the program.
class FiltreFrm : public QWidget {
    Q_OBJECT
public:
    explicit FiltreFrm(QWidget* ust = nullptr);

    // The program file's name in Turkish upper case, e.g. "FATURA LİSTESİ".
    static QString pencereBasligi();

private:
    QLabel* FirmaLbl;
    QPushButton* CikisBtn;
};
