#include "report/Cikti.h"
#include "report/AnaRapor.h"
#include "report/RaporIptali.h"
#include "bant/OnizlemePenceresi.h"
#include "bant/RaporMotoru.h"
#include "bant/ExcelDosyasi.h"
#include "bant/HtmlDosyasi.h"
#include "bant/MetinDosyasi.h"
#include "bant/PdfDosyasi.h"
#include "bant/PngDosyalari.h"
#include "bant/SayfaAlicilari.h"
#include "bant/Yazici.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "bant/VeritabaniHatasi.h"
#include "startup/Subs.h"

#include <QDir>
#include <QPointer>
#include <memory>

using namespace Bant;

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

} // namespace

int Rapor_Uret(const RaporGirdisi& girdi, SayfaAlici& alici, const Iptal& iptal) {
    AnaRapor rapor(girdi);
    RaporMotoru motor(rapor, alici);
    const RaporIptali durdur(iptal);
    motor.iptal = [&durdur] { return durdur.istendi(); };
    motor.calistir();
    return durdur.istendi() ? -1 : motor.sayfaSayisi();
}

QString Pdf_Yolu() { return QDir(sistem().programDizini()).filePath(QStringLiteral("Temp.pdf")); }

bool Pdf_Gonder(const RaporGirdisi& girdi, bool ac, const QString& dosya, const Iptal& iptal) {
    const QString yol = dosya.isEmpty() ? Pdf_Yolu() : dosya;
    PdfDosyasi pdf(yol, AnaRapor::baslik(), programBasligi());
    try {
        if (Rapor_Uret(girdi, pdf, iptal) < 0) return false;
    } catch (const VeritabaniHatasi& h) {
        MsgBox(h.aciklama(), Simge::Kritik);
        return false;
    }
    if (!pdf.bitir()) {
        MsgBox(QStringLiteral("PDF dosyası yazılamadı: ") + yol, Simge::Kritik);
        return false;
    }
    // Without a PDF program the file would be written and nothing said.
    if (ac && (sistem().varsayilanUygulama(QStringLiteral("application/pdf")).isEmpty() || !sistem().dosyayiAc(yol)))
        MsgBox(PdfMesaji::goruntuleyiciYok(yol), Simge::Bilgi);
    return true;
}

void Ekrana_Gonder(const RaporGirdisi& girdi, QPointer<OnizlemePenceresi>& acik, const Iptal& iptal) {
    // One preview window: a run while it is open goes into it again.
    if (acik && acik->isVisible()) {
        acik->yenidenBasla();
    } else {
        acik = new OnizlemePenceresi(AnaRapor::baslik());
        acik->disaAktarmaAyarla(AnaRapor::degerBicimi(girdi.ayraclar), {});
        // The window comes back as the user left it: size, place, zoom.
        const QString anahtar = QStringLiteral("Software\\Fatura Listesi");
        acik->gorunumDurumunuYukle(Kayit_Oku(Kok::HKEY_CURRENT_USER, anahtar, QStringLiteral("Onizleme")));
        OnizlemePenceresi* pencere = acik;
        QObject::connect(pencere, &OnizlemePenceresi::kapandi, pencere, [pencere, anahtar] {
            Kayit_Yaz(Kok::HKEY_CURRENT_USER, anahtar, QStringLiteral("Onizleme"), pencere->gorunumDurumu());
        });
        acik->show();
    }
    OnizlemePenceresi* pencere = acik;
    OnizlemeAlicisi alici(pencere);
    try {
        Rapor_Uret(girdi, alici, [&alici, &iptal] { return alici.kapandi() || (iptal && iptal()); });
    } catch (const VeritabaniHatasi& h) {
        if (!alici.kapandi()) pencere->close();
        MsgBox(h.aciklama(), Simge::Kritik);
        return;
    }
    if (alici.kapandi()) return;
    // Stopped: the pages made so far stay to be read.
    pencere->uretimBitti();
}

void Yaziciya_Gonder(const RaporGirdisi& girdi, QWidget* ust, const Iptal& iptal) {
    Yazici yazici(QStringLiteral("Cari Liste"));
    if (!yazici.sor(ust)) return;
    try {
        if (Rapor_Uret(girdi, yazici.alici(), iptal) < 0) {
            yazici.vazgec();
            return;
        }
    } catch (const VeritabaniHatasi& h) {
        yazici.vazgec();
        MsgBox(h.aciklama(), Simge::Kritik);
        return;
    }
    if (!yazici.bitir()) MsgBox(QStringLiteral("Rapor yazıcıya gönderilemedi."), Simge::Kritik);
}

bool Dosyalara_Yaz(const RaporGirdisi& girdi, const TopluCiktilar& c, int* yerineKonan) {
    CokluAlici alici;
    std::unique_ptr<PdfDosyasi> pdf;
    std::unique_ptr<PngDosyalari> png;
    std::unique_ptr<MetinDosyasi> metin;
    std::unique_ptr<ExcelDosyasi> excel;
    std::unique_ptr<HtmlDosyasi> html;
    std::unique_ptr<ExcelDosyasi> xlsx;
    if (!c.pdf.isEmpty()) {
        pdf = std::make_unique<PdfDosyasi>(c.pdf, AnaRapor::baslik(), programBasligi());
        alici.ekle(pdf.get());
    }
    if (!c.pngKlasoru.isEmpty()) {
        QDir().mkpath(c.pngKlasoru);
        png = std::make_unique<PngDosyalari>(c.pngKlasoru);
        alici.ekle(png.get());
    }
    if (!c.metin.isEmpty()) {
        metin = std::make_unique<MetinDosyasi>(c.metin, c.metinSecenekleri);
        alici.ekle(metin.get());
    }
    if (!c.excel.isEmpty()) {
        excel = std::make_unique<ExcelDosyasi>(c.excel, AnaRapor::degerBicimi(girdi.ayraclar), AnaRapor::baslik());
        alici.ekle(excel.get());
    }
    if (!c.xlsx.isEmpty()) {
        xlsx = std::make_unique<ExcelDosyasi>(c.xlsx, AnaRapor::degerBicimi(girdi.ayraclar), AnaRapor::baslik(), true);
        alici.ekle(xlsx.get());
    }
    if (!c.html.isEmpty()) {
        html = std::make_unique<HtmlDosyasi>(c.html, AnaRapor::baslik());
        alici.ekle(html.get());
    }
    std::unique_ptr<Yazici> yazici;
    if (c.yazici) {
        yazici = std::make_unique<Yazici>(QStringLiteral("Cari Liste"));
        if (!yazici->sec(*c.yazici)) {
            MsgBox(c.yazici->isEmpty() ? QStringLiteral("Varsayılan yazıcı bulunamadı.")
                                       : QStringLiteral("Yazıcı bulunamadı: ") + *c.yazici,
                   Simge::Kritik);
            return false;
        }
        alici.ekle(&yazici->alici());
    }
    try {
        Rapor_Uret(girdi, alici);
    } catch (const VeritabaniHatasi& h) {
        if (yazici) yazici->vazgec();
        MsgBox(h.aciklama(), Simge::Kritik);
        return false;
    }
    if (yazici && !yazici->bitir()) {
        MsgBox(QStringLiteral("Rapor yazıcıya gönderilemedi."), Simge::Kritik);
        return false;
    }
    const QString hatali = pdf && !pdf->bitir()       ? c.pdf
                           : png && png->hataVar()    ? c.pngKlasoru
                           : metin && !metin->bitir() ? c.metin
                           : excel && !excel->bitir() ? c.excel
                           : xlsx && !xlsx->bitir()   ? c.xlsx
                           : html && !html->bitir()   ? c.html
                                                      : QString();
    if (!hatali.isEmpty()) {
        MsgBox(QStringLiteral("Rapor dosyası yazılamadı: ") + hatali, Simge::Kritik);
        return false;
    }
    if (yerineKonan && metin) *yerineKonan = metin->yerineKonan();
    return true;
}
