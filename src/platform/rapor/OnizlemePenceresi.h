#pragma once
#include "platform/rapor/SayfaCizici.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QToolButton;

namespace Bant {

// The preview window: pages appear as the report produces them; page
// navigation, zoom, fit width or page, print and save as PDF.
class OnizlemePenceresi : public QWidget, public SayfaAlici {
    Q_OBJECT
public:
    explicit OnizlemePenceresi(const QString& baslik, QWidget* ust = nullptr);

    void sayfa(Sayfa&& s) override;
    void uretimBitti();
    // A new run into the open window: its pages go, the zoom stays, and the
    // window comes to the front.
    void yenidenBasla();
    bool uretiliyor() const { return uretiliyor_; }
    const QList<Sayfa>& sayfalar() const { return sayfalar_; }
    int gecerliSayfa() const { return gecerli_; }
    void sayfayaGit(int i);
    void yakinlastir(double olcek); // 1.0 = actual size
    // Prints every page on the given printer; true when something was printed.
    bool yazdir(QPrinter& yazici);
    bool pdfKaydet(const QString& dosya);

signals:
    void kapandi();

protected:
    void closeEvent(class QCloseEvent* e) override;
    void resizeEvent(class QResizeEvent* e) override;
    void showEvent(class QShowEvent* e) override;
    void keyPressEvent(class QKeyEvent* e) override;

private:
    void durumuYenile();
    void sigdir();
    void yazdirIstegi();
    void pdfIstegi();

    class SayfaGorunumu* gorunum_;
    QScrollArea* kaydirma_;
    QLabel* durum_;
    QComboBox* olcek_;
    QList<Sayfa> sayfalar_;
    int gecerli_ = 0;
    bool uretiliyor_ = true;
};

} // namespace Bant
