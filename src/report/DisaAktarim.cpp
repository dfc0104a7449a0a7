#include "report/DisaAktarim.h"
#include "report/AnaRapor.h"
#include "report/BekletFrm.h"
#include "report/Goruntuleyiciler.h"
#include "report/TexteAtOzellikFrm.h"
#include "startup/Kayit.h"
#include "bant/ExcelDosyasi.h"
#include "bant/HtmlDosyasi.h"
#include "bant/MetinKuyrugu.h"
#include "bant/MetinDosyasi.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "bant/VeritabaniHatasi.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>

using namespace Bant;

namespace {

// Passes the pages on and counts them on the wait panel, while it is there.
class SayanAlici : public SayfaAlici {
public:
    SayanAlici(SayfaAlici& hedef, BekletFrm* panel) : hedef_(hedef), panel_(panel) {}
    void sayfa(Sayfa&& s) override {
        hedef_.sayfa(std::move(s));
        ++sayi_;
        if (panel_) panel_->sayfaYapildi(sayi_);
    }

private:
    SayfaAlici& hedef_;
    QPointer<BekletFrm> panel_;
    int sayi_ = 0;
};

BekletFrm* panel(QWidget* form) {
    auto* p = form->findChild<BekletFrm*>(QStringLiteral("BekletFrm"), Qt::FindDirectChildrenOnly);
    return p ? p : new BekletFrm(form);
}

// The run of an export: the report into `alici` while the panel shows
// `mesaj`. The number of pages, or -1 after a stop or a shown failure. The
// panel stays up when `panel` is given (the text options come over it).
int Beklet_Ve_Uret(const RaporGirdisi& girdi, QWidget* form, const QString& mesaj, SayfaAlici& alici, const Iptal& iptal,
                   QPointer<BekletFrm>* acikKalan = nullptr) {
    QPointer<BekletFrm> p = panel(form);
    p->goster(mesaj);
    SayanAlici sayan(alici, p);
    int sayfalar = -1;
    try {
        sayfalar = Rapor_Uret(girdi, sayan, iptal);
    } catch (const VeritabaniHatasi& h) {
        // The panel never waits on a run that failed.
        if (p) p->gizle();
        MsgBox(h.aciklama(), Simge::Kritik);
        return -1;
    }
    if (p && (sayfalar < 0 || !acikKalan)) p->gizle();
    if (acikKalan) *acikKalan = p;
    return sayfalar;
}

} // namespace

QString Disa_Aktarim_Yolu(const QString& ad) { return QDir(sistem().programDizini()).filePath(ad); }

void Text_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal) {
    const QString yol = Disa_Aktarim_Yolu(QStringLiteral("Temp.txt"));
    // The pages wait in a spool file until the options are known.
    MetinKuyrugu kuyruk;
    if (!kuyruk.hazir()) {
        MsgBox(QStringLiteral("Geçici dosya açılamadı: ") + QDir::tempPath(), Simge::Kritik);
        return;
    }
    QPointer<BekletFrm> p;
    const int sayfalar = Beklet_Ve_Uret(girdi, form, QStringLiteral("Text'e Gönderiliyor"), kuyruk, iptal, &p);
    if (sayfalar < 0) return;
    TexteAtOzellikFrm diyalog(form);
    diyalog.exec();
    bool yazildi = true;
    if (!diyalog.Iptal && sayfalar > 0) {
        MetinSecenekleri s;
        s.alanAyiraci = diyalog.AlanAyiraci->text();
        s.sayfaAyiraci = diyalog.Sayfa_Ayiraci->text();
        s.bosSatirlariGizle = diyalog.BosSatirlariGizle->isChecked();
        s.evrenselKod = diyalog.UnicodeText->isChecked();
        MetinDosyasi dosya(yol, s);
        yazildi = kuyruk.yaz(dosya) && dosya.bitir();
    }
    if (p) p->gizle();
    if (!yazildi) {
        MsgBox(QStringLiteral("Dosya yazılamadı: ") + yol, Simge::Kritik);
        return;
    }
    const Goruntuleyici g = Metin_Duzenleyici();
    if (!Goruntule(g, yol)) MsgBox(QStringLiteral("Metin düzenleyici başlatılamadı: ") + yol, Simge::Kritik);
}

bool Xlsx_Secili() {
    return Kayit_Oku(Kok::HKEY_CURRENT_USER, QStringLiteral("Software\\Fatura Listesi"), QStringLiteral("ExcelBicimi"))
               .trimmed()
               .compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0;
}

void Excel_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal) {
    const bool xlsx = Xlsx_Secili();
    const Goruntuleyici g = Excel_Programi(xlsx);
    if (!g.bulundu()) {
        MsgBox(GoruntuleyiciMesaji::excelYok());
        return;
    }
    const QString yol = Disa_Aktarim_Yolu(xlsx ? QStringLiteral("Temp.xlsx") : QStringLiteral("Temp.xls"));
    ExcelDosyasi dosya(yol, AnaRapor::degerBicimi(girdi.ayraclar), AnaRapor::baslik(), xlsx);
    const int sayfalar = Beklet_Ve_Uret(girdi, form, QStringLiteral("Excel'e  Gönderiliyor"), dosya, iptal);
    if (sayfalar < 0) return;
    // As on the suite: a workbook or a viewer that fails after the run says nothing.
    if (sayfalar > 0 && !dosya.bitir()) return;
    Goruntule(g, yol);
}

void Html_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal) {
    QString mesaj;
    const Goruntuleyici g = Tarayici(mesaj);
    if (!g.bulundu()) {
        MsgBox(mesaj);
        return;
    }
    const QString yol = Disa_Aktarim_Yolu(QStringLiteral("Temp.Htm"));
    HtmlDosyasi dosya(yol, AnaRapor::baslik());
    const int sayfalar = Beklet_Ve_Uret(girdi, form, QStringLiteral("HTML'e Gönderiliyor"), dosya, iptal);
    if (sayfalar < 0) return;
    if (sayfalar > 0 && !dosya.bitir()) {
        MsgBox(QStringLiteral("Dosya yazılamadı: ") + yol, Simge::Kritik);
        return;
    }
    Goruntule(g, yol);
}
