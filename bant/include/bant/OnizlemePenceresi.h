#pragma once
#include "bant/Belge.h"
#include "bant/MetinDosyasi.h"
#include "bant/SayfaArayici.h"
#include "bant/SayfaCizici.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QScrollArea;
class QToolButton;

namespace Bant {

// The preview window: pages appear as the report produces them; page
// navigation (buttons, a page box, keys, the wheel running on across pages),
// one page at a time or all of them one below the other,
// find across the pages (Ctrl+F, F3, Shift+F3; it goes on in the pages still
// to come), zoom (presets, fit width or page, Ctrl+wheel and Ctrl+plus/minus
// in steps), print, save as PDF, Excel, text or HTML from the pages already
// laid out, and copy a page's texts.
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
    double olcek() const;
    // The next (or previous) place that holds `metin`, as F3 (Shift+F3) finds it.
    void bul(const QString& metin, bool geri = false);
    // The item the last find stands on, when it is on the shown page.
    std::optional<SayfaArayici::Yer> bulunan() const { return bulunan_; }
    // Prints every page on the given printer; true when something was printed.
    bool yazdir(QPrinter& yazici);

    enum class Bicim { Pdf, Xls, Xlsx, Metin, Html };
    // The pages laid out so far into `dosya` by the targets' own writers (no
    // second run of the statement); the file takes its place whole or not at
    // all. False when it could not be written.
    bool kaydet(Bicim bicim, const QString& dosya);
    // What the exports need of the program: the regional formats (to read
    // amounts set as text) and the text export's options.
    void disaAktarmaAyarla(const DegerBicimi& bicim, const MetinSecenekleri& metin);
    // Ctrl+C: the shown page's texts as tab-separated lines, in the columns of its captions.
    void kopyala();
    // The window's size, place and zoom as one text, for the program's
    // settings store; an empty or foreign text leaves the defaults.
    QString gorunumDurumu() const;
    void gorunumDurumunuYukle(const QString& durum);

signals:
    void kapandi();

protected:
    void closeEvent(class QCloseEvent* e) override;
    void resizeEvent(class QResizeEvent* e) override;
    void showEvent(class QShowEvent* e) override;
    void keyPressEvent(class QKeyEvent* e) override;

private:
    void durumuYenile();
    void bulunanaGit(SayfaArayici::Yer yer);
    void notYaz(const QString& not_);
    void adimla(int yon); // one zoom step up (1) or down (-1)
    void sigdir();
    void yazdirIstegi();
    void kaydetIstegi(Bicim bicim);

    class SayfaAlani* alan_;
    QLabel* durum_;
    QComboBox* olcek_;
    QLineEdit* sayfaKutusu_;
    QLineEdit* ara_;
    QLabel* not_;
    QList<Sayfa> sayfalar_;
    int gecerli_ = 0;
    bool uretiliyor_ = true;
    SayfaArayici arayici_;
    std::optional<SayfaArayici::Yer> bulunan_;
    // A find that found nothing while the report runs goes on from this page as pages arrive.
    std::optional<int> bekleyenArama_;
    bool kaydediliyor_ = false;
    DegerBicimi bicim_;
    MetinSecenekleri metinSecenekleri_;
};

} // namespace Bant
