#pragma once
#include <QFrame>

class QLabel;
class QTimer;

// The wait panel over the filter form while an export runs: the target's
// message, blinking, and the pages made so far. Escape stops the run
// (RaporIptali watches for it in every window).
class BekletFrm : public QFrame {
    Q_OBJECT
public:
    explicit BekletFrm(QWidget* form);

    QLabel* MesajLbl;
    void goster(const QString& mesaj);
    void gizle();
    void sayfaYapildi(int sayfa);
    // The two colours swap on each blink.
    QColor zemin() const;
    QColor yazi() const;
    void renkleriDegistir();

private:
    void renkleriUygula();

    QLabel* sayfaLbl_;
    QTimer* yanip_;
    QColor zemin_;
    QColor yazi_;
};
