#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Text'e Yazdır": the options of the text export. Tamam clears Iptal,
// Vazgeç and the close box set it.
class TexteAtOzellikFrm : public QDialog {
    Q_OBJECT
public:
    explicit TexteAtOzellikFrm(QWidget* ust = nullptr);

    bool Iptal = true;
    QLineEdit* AlanAyiraci;
    QLineEdit* Sayfa_Ayiraci;
    QCheckBox* BosSatirlariGizle;
    QCheckBox* UnicodeText;

    // Twips of the dialog on the screen's 96 dots to the inch.
    static QRect twip(int sol, int ust, int genislik, int yukseklik);
};
