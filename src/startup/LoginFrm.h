#pragma once
#include "startup/GirisFormu.h"
#include "platform/izgara/IzgaraModeli.h"

#include <QWidget>
#include <functional>

class IzgaraGorunumu;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The login window "Giriş": the user panel, then the user's companies.
// Choosing one closes the window and starts the program on that company.
class LoginFrm : public QWidget {
    Q_OBJECT
public:
    // Loads the settings; an unusable sys.inf ends the program (ProgramSonu).
    explicit LoginFrm(QWidget* ust = nullptr);

    GirisFormu& form() { return form_; }
    // What runs after the company choice, with the login made: the caller's start-up.
    std::function<void(const GirisBilgisi&)> baslat;

    // "Tamam" and Enter in a text box: one login attempt. The third failure
    // ends the program (ProgramSonu).
    void TamamBtn_Click();
    // Double click or Enter on a company.
    void TDBG1_Sec();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* nesne, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    QLineEdit* metinKutusu(const QString& ad);
    void firmalariGoster();

    GirisFormu form_;
    IzgaraModeli firmaModeli_;
    QFrame* KullaniciPnl;
    QLineEdit* sysus_nm;
    QLineEdit* sysus;
    QLineEdit* DB_Name;
    QLabel* Label1;
    QCheckBox* Kullanici_Ayar_Sakla;
    QPushButton* TamamBtn;
    QPushButton* CikisBtn;
    QFrame* FirmaPnl;
    IzgaraGorunumu* TDBG1;
    QLabel* FirmaYokLbl;
    bool etkinlesti_ = false;
};
