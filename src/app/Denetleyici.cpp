#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreFrm.h"
#include "filterform/Secenekler.h"
#include "filterform/TopluFiltre.h"
#include "platform/sistem/Mesaj.h"
#include "query/Sorgu.h"
#include "report/Hedefler.h"
#include "report/TopluCikti.h"
#include "report/DisaAktarim.h"
#include "startup/Baslangic.h"
#include "startup/GirisFormu.h"
#include "startup/ProgramSonu.h"
#include "startup/Metin.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <cstdio>
#include <iostream>
#include <string>
#include <termios.h>
#include <unistd.h>

RaporGirdisi Rapor_Girdisi(const Oturum& oturum, const SorguDurumu& durum, const QString& seciliIsyerleri) {
    RaporGirdisi g;
    g.baglanti = oturum.baglanti;
    g.ayraclar = oturum.ayraclar;
    g.firma = oturum.firma;
    g.RaporSQL = durum.RaporSQL;
    g.GrupAlani = durum.GrupAlani;
    g.GrupAdi = durum.GrupAdi;
    g.SatirCizgisiEkle = durum.SatirCizgisiEkle;
    g.GenelRaporToplami = durum.GenelRaporToplami;
    g.FaturaAciklamasiGoster = durum.FaturaAciklamasiGoster;
    g.AyriSayfaya = durum.AyriSayfaya;
    g.DetayGoster = durum.DetayGoster;
    g.SeciliIsyerleri = seciliIsyerleri;
    return g;
}

void TamamBtn_Click(Denetleyici& d, FiltreFormu& form, QWidget* ust, const std::function<bool()>& iptal) {
    // A run yields to the event loop per row; a press meanwhile waits for it.
    if (d.uretiliyor) return;
    d.durum = Sorgu_Olustur(form.FiltreGrd, Sorgu_Ortami(*d.oturum, form.sablon()), std::move(d.durum));
    if (!d.durum.HataMesaji.isEmpty()) {
        MsgBox(d.durum.HataMesaji);
        return;
    }
    const QString hedef = form.RaporYeri.hucre(0, 0);
    const RaporGirdisi g = Rapor_Girdisi(*d.oturum, d.durum, Isyeri_Basligi(form.listeOrtami(), form.FiltreGrd, d.durum.IsyeriKosulu));
    d.uretiliyor = true;
    const auto bitis = qScopeGuard([&d] { d.uretiliyor = false; });
    if (hedef == QStringLiteral("Ekran"))
        Ekrana_Gonder(g, d.onizleme, iptal);
    else if (hedef == QStringLiteral("Yazıcı"))
        Yaziciya_Gonder(g, ust, iptal);
    else if (hedef == QStringLiteral("PDF"))
        Pdf_Gonder(g, true, {}, iptal);
    else if (hedef == QStringLiteral("Text"))
        Text_Gonder(g, ust, iptal);
    else if (hedef == QStringLiteral("Excel"))
        Excel_Gonder(g, ust, iptal);
    else if (hedef == QStringLiteral("Html"))
        Html_Gonder(g, ust, iptal);
}

void Filtre_Formunu_Ac(std::shared_ptr<const Oturum> oturum) {
    auto* pencere = new FiltreFrm(Liste_Ortami(*oturum), oturum->firma.sysfrm_nm);
    auto denetleyici = std::make_shared<Denetleyici>();
    denetleyici->oturum = std::move(oturum);
    QObject::connect(pencere, &FiltreFrm::raporIstendi, pencere, [pencere, denetleyici] {
        TamamBtn_Click(*denetleyici, pencere->form(), pencere, [pencere] { return pencere->kapaniyor(); });
    });
    // Closing the form ends the program, even with a preview still open.
    QObject::connect(pencere, &QObject::destroyed, qApp, &QCoreApplication::quit);
    pencere->show();
}

void Toplu_Filtre_Formu(const KomutSatiri& k, const Oturum& oturum) {
    FiltreFormu form(Liste_Ortami(oturum));
    Toplu_Formu_Hazirla(k, form);
    if (!k.sqlYaz && !k.ciktiVar()) return;
    const SorguDurumu durum = Toplu_Sorgu_Olustur(form, oturum);
    if (k.sqlYaz) {
        std::fputs((durum.RaporSQL + u'\n').toUtf8().constData(), stdout);
        std::fflush(stdout);
    }
    if (!k.ciktiVar()) return;
    const RaporGirdisi g = Rapor_Girdisi(oturum, durum, Isyeri_Basligi(form.listeOrtami(), form.FiltreGrd, durum.IsyeriKosulu));
    TopluCiktilar c{k.pdf, k.png, k.metin, k.excel, k.html, {}, k.xlsx, std::nullopt};
    c.metinSecenekleri = {k.metinAlanAyiraci, k.metinSayfaAyiraci, k.metinBosSatirGizle, k.metinUtf8};
    if (k.yazdir) c.yazici = k.yazici;
    int yerineKonan = 0;
    if (!Dosyalara_Yaz(g, c, &yerineKonan)) throw ProgramSonu{1};
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

void Toplu_Giris(const KomutSatiri& k, const BaslangicKancalari& kancalar) {
    GirisFormu giris;
    giris.yukle();
    // The window's server box: what --server names, else sys.inf's server
    // (the window would start from the computer's name, a guess a script
    // cannot correct). Where sys.inf hides the box, its server is the only one.
    if (!k.sunucu.isEmpty() && !giris.sunucuGorunur)
        throw KullanimHatasi{QStringLiteral("--server: sys.inf fixes the server for this installation (%1)").arg(giris.giris().ServerAdi)};
    giris.sunucu = k.sunucu.isEmpty() ? giris.giris().ServerAdi : k.sunucu;
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
        Baslat(giris.giris(), kancalar);
        return;
    }
    throw KullanimHatasi{QStringLiteral("\"%1\" is not among the companies of user \"%2\"").arg(k.firma, k.kullanici)};
}
