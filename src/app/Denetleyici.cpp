#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreFrm.h"
#include "filterform/Secenekler.h"
#include "filterform/TopluFiltre.h"
#include "platform/sistem/Mesaj.h"
#include "query/Sorgu.h"
#include "report/Cikti.h"
#include "report/DisaAktarim.h"
#include "startup/Baslangic.h"
#include "startup/Degiskenler.h"
#include "startup/GirisFormu.h"
#include "startup/ProgramSonu.h"
#include "startup/Subs.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

void TamamBtn_Click(FiltreFormu& form, QWidget* ust, const std::function<bool()>& iptal) {
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
        Ekrana_Gonder(iptal);
    else if (hedef == QStringLiteral("Yazıcı"))
        Yaziciya_Gonder(ust, iptal);
    else if (hedef == QStringLiteral("PDF"))
        Pdf_Gonder(true, {}, iptal);
    else if (hedef == QStringLiteral("Text"))
        Text_Gonder(ust, iptal);
    else if (hedef == QStringLiteral("Excel"))
        Excel_Gonder(ust, iptal);
    else if (hedef == QStringLiteral("Html"))
        Html_Gonder(ust, iptal);
}

void Filtre_Formunu_Ac() {
    auto* pencere = new FiltreFrm;
    QObject::connect(pencere, &FiltreFrm::raporIstendi, pencere,
                     [pencere] { TamamBtn_Click(pencere->form(), pencere, [pencere] { return pencere->kapaniyor(); }); });
    // Closing the form ends the program, even with a preview still open.
    QObject::connect(pencere, &QObject::destroyed, qApp, &QCoreApplication::quit);
    pencere->show();
}

void Toplu_Filtre_Formu(const KomutSatiri& k) {
    FiltreFormu form;
    Toplu_Formu_Hazirla(k, form);
    if (!k.sqlYaz && !k.ciktiVar()) return;
    Toplu_Sorgu_Olustur(form);
    if (k.sqlYaz) {
        std::fputs((degiskenler().RaporSQL + u'\n').toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    if (!k.ciktiVar()) return;
    degiskenler().RaporCalisiyor = false;
    Isyeri_Basligi(form.FiltreGrd);
    TopluCiktilar c{k.pdf, k.png, k.metin, k.excel, k.html, {}, k.xlsx, std::nullopt};
    c.metinSecenekleri = {k.metinAlanAyiraci, k.metinSayfaAyiraci, k.metinBosSatirGizle, k.metinUtf8};
    if (k.yazdir) c.yazici = k.yazici;
    int yerineKonan = 0;
    if (!Dosyalara_Yaz(c, &yerineKonan)) throw ProgramSonu{1};
    if (yerineKonan > 0)
        std::fputs(QStringLiteral("%1: %2 characters that Windows-1254 cannot hold were written as \"?\"; --text-utf8 keeps them.\n")
                       .arg(k.metin)
                       .arg(yerineKonan)
                       .toUtf8()
                       .constData(),
                   stderr);
}

namespace {

// One line of standard input; typed at a terminal, without echo.
QString sifreOku() {
    termios eski{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &eski) == 0;
    if (terminal) {
        std::fputs("Şifre: ", stderr);
        termios yeni = eski;
        yeni.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &yeni);
    }
    std::string satir;
    std::getline(std::cin, satir);
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &eski);
        std::fputs("\n", stderr);
    }
    QString s = QString::fromUtf8(satir);
    if (s.endsWith(u'\r')) s.chop(1);
    return s;
}

} // namespace

void Toplu_Giris(const KomutSatiri& k) {
    GirisFormu giris;
    giris.yukle();
    // The window's server box: what --server names, else sys.inf's server
    // (the window would start from the computer's name, a guess a script
    // cannot correct). Where sys.inf hides the box, its server is the only one.
    if (!k.sunucu.isEmpty() && !giris.sunucuGorunur)
        throw KullanimHatasi{QStringLiteral("--server: sys.inf fixes the server for this installation (%1)").arg(degiskenler().ServerAdi)};
    giris.sunucu = k.sunucu.isEmpty() ? degiskenler().ServerAdi : k.sunucu;
    giris.kullaniciAdi = k.kullanici;
    // Never from the command line, where other users of the machine can read it.
    giris.sifre = qEnvironmentVariableIsSet("FATURA_SIFRE") ? qEnvironmentVariable("FATURA_SIFRE") : sifreOku();
    if (giris.girisDene() != GirisFormu::Sonuc::Girildi) throw ProgramSonu{1};
    const QList<Firma>& firmalar = giris.firmalar();
    if (k.firma.isEmpty()) {
        for (const Firma& f : firmalar) std::fputs((f.ad.trimmed() + u'\t' + f.kod.trimmed() + u'\n').toUtf8().constData(), stdout);
        std::fflush(stdout);
        return;
    }
    for (int i = 0; i < firmalar.size(); ++i) {
        const Firma& f = firmalar.at(i);
        // Codes are typed as people say them: "demo" opens DEMO, "izmir" İZMİR.
        const QString aranan = Buyuk_Harf(k.firma.trimmed());
        if (Buyuk_Harf(f.kod.trimmed()) != aranan && Buyuk_Harf(f.veritabani.trimmed()) != aranan) continue;
        giris.firmaSec(i);
        Baslat();
        return;
    }
    throw KullanimHatasi{QStringLiteral("\"%1\" is not among the companies of user \"%2\"").arg(k.firma, k.kullanici)};
}
