#include "report/Hedefler.h"
#include "report/AnaRapor.h"
#include "bant/OnizlemePenceresi.h"
#include "bant/PdfDosyasi.h"
#include "bant/VeritabaniHatasi.h"
#include "bant/Yazici.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "startup/Kayit.h"

#include <QDir>

using namespace Bant;

namespace {

// Pages for a preview window that the user may close while they come. A
// closed window is deleted only once the run has returned to the event
// loop, so its closing, not its deletion, stops the run.
class OnizlemeAlicisi : public SayfaAlici {
public:
    explicit OnizlemeAlicisi(OnizlemePenceresi* p)
        : pencere_(p), baglanti_(QObject::connect(p, &OnizlemePenceresi::kapandi, [this] { kapatildi_ = true; })) {}
    ~OnizlemeAlicisi() override { QObject::disconnect(baglanti_); }
    OnizlemeAlicisi(const OnizlemeAlicisi&) = delete;
    OnizlemeAlicisi& operator=(const OnizlemeAlicisi&) = delete;
    void sayfa(Sayfa&& s) override {
        if (!kapandi()) pencere_->sayfa(std::move(s));
    }
    bool kapandi() const { return kapatildi_ || pencere_.isNull(); }

private:
    QPointer<OnizlemePenceresi> pencere_;
    QMetaObject::Connection baglanti_;
    bool kapatildi_ = false;
};

} // namespace

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
