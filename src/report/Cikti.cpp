#include "report/Cikti.h"
#include "report/AnaRapor.h"
#include "filterform/FiltreFormu.h"
#include "filterform/Secenekler.h"
#include "filterform/TopluFiltre.h"
#include "platform/rapor/OnizlemePenceresi.h"
#include "platform/rapor/RaporMotoru.h"
#include "platform/rapor/SayfaYazicilari.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/VeritabaniHatasi.h"
#include "query/Sorgu.h"
#include "startup/Degiskenler.h"
#include "startup/ProgramSonu.h"

#include <QDesktopServices>
#include <QDir>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>
#include <cstdio>

namespace {

// Pages for a preview window that the user may close while they come.
class OnizlemeAlicisi : public SayfaAlici {
public:
    explicit OnizlemeAlicisi(OnizlemePenceresi* p) : pencere_(p) {}
    void sayfa(Sayfa&& s) override {
        if (pencere_) pencere_->sayfa(std::move(s));
    }
    bool kapandi() const { return pencere_.isNull(); }

private:
    QPointer<OnizlemePenceresi> pencere_;
};

bool gUretiliyor = false;

void ekranaGonder() {
    auto* pencere = new OnizlemePenceresi(AnaRapor::baslik());
    pencere->show();
    OnizlemeAlicisi alici(pencere);
    try {
        Rapor_Uret(alici, [&alici] { return alici.kapandi(); });
    } catch (const VeritabaniHatasi& h) {
        if (!alici.kapandi()) pencere->close();
        MsgBox(h.aciklama(), Simge::Kritik);
        return;
    }
    if (!alici.kapandi()) pencere->uretimBitti();
}

void yaziciyaGonder(QWidget* ust) {
    QPrinter yazici(QPrinter::HighResolution);
    yazici.setDocName(QStringLiteral("Cari Liste"));
    QPrintDialog diyalog(&yazici, ust);
    if (diyalog.exec() != QDialog::Accepted) return;
    YaziciCizici cizici(yazici);
    try {
        Rapor_Uret(cizici);
    } catch (const VeritabaniHatasi& h) {
        MsgBox(h.aciklama(), Simge::Kritik);
        return;
    }
    if (!cizici.bitir()) MsgBox(QStringLiteral("Rapor yazıcıya gönderilemedi."), Simge::Kritik);
}

} // namespace

int Rapor_Uret(SayfaAlici& alici, const std::function<bool()>& iptal) {
    AnaRapor rapor;
    RaporMotoru motor(rapor, alici);
    motor.iptal = iptal;
    degiskenler().RaporUretiliyor = true;
    try {
        motor.calistir();
    } catch (...) {
        degiskenler().RaporUretiliyor = false;
        throw;
    }
    return motor.sayfaSayisi();
}

QString Pdf_Yolu() { return QDir(sistem().programDizini()).filePath(QStringLiteral("Temp.pdf")); }

bool Pdf_Gonder(bool ac, const QString& dosya) {
    const QString yol = dosya.isEmpty() ? Pdf_Yolu() : dosya;
    PdfYazici pdf(yol, AnaRapor::baslik());
    try {
        Rapor_Uret(pdf);
    } catch (const VeritabaniHatasi& h) {
        MsgBox(h.aciklama(), Simge::Kritik);
        return false;
    }
    if (!pdf.bitir()) {
        MsgBox(QStringLiteral("PDF dosyası yazılamadı: ") + yol, Simge::Kritik);
        return false;
    }
    if (ac) QDesktopServices::openUrl(QUrl::fromLocalFile(yol));
    return true;
}

void TamamBtn_Click(FiltreFormu& form, QWidget* ust) {
    // A run yields to the event loop per row; a second press meanwhile waits for it.
    if (gUretiliyor) return;
    Degiskenler& d = degiskenler();
    Sorgu_Olustur(form.FiltreGrd);
    if (!d.HataMesaji.isEmpty()) {
        MsgBox(d.HataMesaji);
        return;
    }
    d.RaporCalisiyor = false;
    const QString hedef = form.RaporYeri.hucre(0, 0);
    Isyeri_Basligi(form.FiltreGrd);
    gUretiliyor = true;
    if (hedef == QStringLiteral("Ekran")) ekranaGonder();
    else if (hedef == QStringLiteral("Yazıcı")) yaziciyaGonder(ust);
    else if (hedef == QStringLiteral("PDF")) Pdf_Gonder(true);
    else if (hedef == QStringLiteral("Excel") || hedef == QStringLiteral("Text") || hedef == QStringLiteral("Html"))
        MsgBox(hedef + QStringLiteral(" çıktısı bu sürümde henüz yok; Ekran, Yazıcı veya PDF seçiniz."), Simge::Bilgi);
    gUretiliyor = false;
}

void Toplu_Filtre_Formu(const KomutSatiri& k) {
    FiltreFormu form;
    Toplu_Formu_Hazirla(k, form);
    if (!k.sqlYaz && k.pdf.isEmpty() && k.png.isEmpty()) return;
    Toplu_Sorgu_Olustur(form);
    if (k.sqlYaz) {
        std::fputs((degiskenler().RaporSQL + u'\n').toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    if (k.pdf.isEmpty() && k.png.isEmpty()) return;
    degiskenler().RaporCalisiyor = false;
    Isyeri_Basligi(form.FiltreGrd);
    CokluAlici alici;
    std::unique_ptr<PdfYazici> pdf;
    std::unique_ptr<PngYazici> png;
    if (!k.pdf.isEmpty()) {
        pdf = std::make_unique<PdfYazici>(k.pdf, AnaRapor::baslik());
        alici.ekle(pdf.get());
    }
    if (!k.png.isEmpty()) {
        QDir().mkpath(k.png);
        png = std::make_unique<PngYazici>(k.png);
        alici.ekle(png.get());
    }
    try {
        Rapor_Uret(alici);
    } catch (const VeritabaniHatasi& h) {
        MsgBox(h.aciklama(), Simge::Kritik);
        throw ProgramSonu{1};
    }
    if ((pdf && !pdf->bitir()) || (png && png->hataVar())) {
        MsgBox(QStringLiteral("Rapor dosyası yazılamadı: ") + (pdf ? k.pdf : k.png), Simge::Kritik);
        throw ProgramSonu{1};
    }
}
