#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreFrm.h"
#include "filterform/Secenekler.h"
#include "filterform/TopluFiltre.h"
#include "platform/sistem/Mesaj.h"
#include "query/Sorgu.h"
#include "report/Cikti.h"
#include "startup/Degiskenler.h"
#include "startup/ProgramSonu.h"

#include <QCoreApplication>
#include <cstdio>

void TamamBtn_Click(FiltreFormu& form, QWidget* ust) {
    Degiskenler& d = degiskenler();
    // A run yields to the event loop per row; a press meanwhile waits for it.
    if (d.RaporUretiliyor) return;
    Sorgu_Olustur(form.FiltreGrd);
    if (!d.HataMesaji.isEmpty()) {
        MsgBox(d.HataMesaji);
        return;
    }
    d.RaporCalisiyor = false;
    const QString hedef = form.RaporYeri.hucre(0, 0);
    Isyeri_Basligi(form.FiltreGrd);
    if (hedef == QStringLiteral("Ekran"))
        Ekrana_Gonder();
    else if (hedef == QStringLiteral("Yazıcı"))
        Yaziciya_Gonder(ust);
    else if (hedef == QStringLiteral("PDF"))
        Pdf_Gonder(true);
    else if (hedef == QStringLiteral("Excel") || hedef == QStringLiteral("Text") || hedef == QStringLiteral("Html"))
        MsgBox(hedef + QStringLiteral(" çıktısı bu sürümde henüz yok; Ekran, Yazıcı veya PDF seçiniz."), Simge::Bilgi);
}

void Filtre_Formunu_Ac() {
    auto* pencere = new FiltreFrm;
    QObject::connect(pencere, &FiltreFrm::raporIstendi, pencere, [pencere] { TamamBtn_Click(pencere->form(), pencere); });
    // Closing the form ends the program, even with a preview still open.
    QObject::connect(pencere, &QObject::destroyed, qApp, &QCoreApplication::quit);
    pencere->show();
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
    if (!Dosyalara_Yaz(k.pdf, k.png)) throw ProgramSonu{1};
}
