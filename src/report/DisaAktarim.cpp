#include "report/DisaAktarim.h"
#include "report/AnaRapor.h"
#include "report/BekletFrm.h"
#include "report/Cikti.h"
#include "report/Goruntuleyiciler.h"
#include "report/TexteAtOzellikFrm.h"
#include "platform/rapor/ExcelYazici.h"
#include "platform/rapor/HtmlYazici.h"
#include "platform/rapor/MetinYazici.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/VeritabaniHatasi.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPointer>

using namespace Bant;

namespace {

// Passes the pages on and counts them on the wait panel.
class SayanAlici : public SayfaAlici {
public:
    SayanAlici(SayfaAlici& hedef, BekletFrm& panel) : hedef_(hedef), panel_(panel) {}
    void sayfa(Sayfa&& s) override {
        hedef_.sayfa(std::move(s));
        panel_.sayfaYapildi(++sayi_);
    }

private:
    SayfaAlici& hedef_;
    BekletFrm& panel_;
    int sayi_ = 0;
};

BekletFrm* panel(QWidget* form) {
    auto* p = form->findChild<BekletFrm*>(QStringLiteral("BekletFrm"), Qt::FindDirectChildrenOnly);
    return p ? p : new BekletFrm(form);
}

} // namespace

QString Disa_Aktarim_Yolu(const QString& ad) { return QDir(sistem().programDizini()).filePath(ad); }

int Beklet_Ve_Uret(QWidget* form, const QString& mesaj, SayfaAlici& alici) {
    QPointer<BekletFrm> p = panel(form);
    p->goster(mesaj);
    SayanAlici sayan(alici, *p);
    int sayfalar = -1;
    try {
        sayfalar = Rapor_Uret(sayan, [p] { return !p || p->iptalIstendi(); });
        if (!p || p->iptalIstendi()) sayfalar = -1;
    } catch (const VeritabaniHatasi& h) {
        // The panel never waits on a run that failed.
        if (p) p->gizle();
        MsgBox(h.aciklama(), Simge::Kritik);
        return -1;
    }
    if (p) p->gizle();
    return sayfalar;
}

void Text_Gonder(QWidget* form) {
    const QString yol = Disa_Aktarim_Yolu(QStringLiteral("Temp.txt"));
    // The options come first: the pages are written as they are made.
    TexteAtOzellikFrm diyalog(form);
    diyalog.exec();
    if (!diyalog.Iptal) {
        MetinSecenekleri s;
        s.alanAyiraci = diyalog.AlanAyiraci->text();
        s.sayfaAyiraci = diyalog.Sayfa_Ayiraci->text();
        s.bosSatirlariGizle = diyalog.BosSatirlariGizle->isChecked();
        s.evrenselKod = diyalog.UnicodeText->isChecked();
        MetinYazici yazici(yol, s);
        const int sayfalar = Beklet_Ve_Uret(form, QStringLiteral("Text'e Gönderiliyor"), yazici);
        if (sayfalar < 0) return;
        if (sayfalar > 0 && !yazici.bitir()) {
            MsgBox(QStringLiteral("Dosya yazılamadı: ") + yol, Simge::Kritik);
            return;
        }
    }
    const Goruntuleyici g = Metin_Duzenleyici();
    if (!Goruntule(g, yol)) MsgBox(QStringLiteral("Metin düzenleyici başlatılamadı: ") + yol, Simge::Kritik);
}

void Excel_Gonder(QWidget* form) {
    const Goruntuleyici g = Excel_Programi();
    if (!g.bulundu()) {
        MsgBox(GoruntuleyiciMesaji::excelYok());
        return;
    }
    const QString yol = Disa_Aktarim_Yolu(QStringLiteral("Temp.xls"));
    ExcelYazici yazici(yol, AnaRapor::degerBicimi(), AnaRapor::baslik());
    const int sayfalar = Beklet_Ve_Uret(form, QStringLiteral("Excel'e  Gönderiliyor"), yazici);
    if (sayfalar < 0) return;
    // As on the suite: a workbook or a viewer that fails after the run says nothing.
    if (sayfalar > 0 && !yazici.bitir()) return;
    Goruntule(g, yol);
}

void Html_Gonder(QWidget* form) {
    QString mesaj;
    const Goruntuleyici g = Tarayici(mesaj);
    if (!g.bulundu()) {
        MsgBox(mesaj);
        return;
    }
    const QString yol = Disa_Aktarim_Yolu(QStringLiteral("Temp.Htm"));
    HtmlYazici yazici(yol, AnaRapor::baslik());
    const int sayfalar = Beklet_Ve_Uret(form, QStringLiteral("HTML'e Gönderiliyor"), yazici);
    if (sayfalar < 0) return;
    if (sayfalar > 0 && !yazici.bitir()) {
        MsgBox(QStringLiteral("Dosya yazılamadı: ") + yol, Simge::Kritik);
        return;
    }
    Goruntule(g, yol);
}
