// Entry point: picks the classic start (windows) or the batch mode (none).
#include "app/Denetleyici.h"
#include "app/Uygulama.h"
#include "startup/Baslangic.h"
#include "startup/KomutSatiri.h"
#include "startup/LoginFrm.h"
#include "startup/ProgramSonu.h"
#include "platform/sistem/GuiMesaj.h"
#include "platform/sistem/KonsolMesaj.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/SqliteBaglanti.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void hataYaz(const QString& s) { std::fputs((s + u'\n').toUtf8().constData(), stderr); }

// Standard error belongs to the program's messages in batch mode; Qt's own
// notices (missing runtime folder and the like) are shown only on request.
void qtMesaji(QtMsgType tur, const QMessageLogContext&, const QString& metin) {
    if (tur == QtDebugMsg || tur == QtInfoMsg || tur == QtWarningMsg) {
        if (qEnvironmentVariableIsEmpty("FATURA_QT_MESAJLARI")) return;
    }
    hataYaz(metin);
}

int topluCalistir(const KomutSatiri& k) {
    KonsolMesaj mesaj(k.evet);
    mesajServisiniAyarla(&mesaj);
    BaslangicKancalari kancalar;
    kancalar.filtreFormuAc = [&k](std::shared_ptr<const Oturum> oturum) { Toplu_Filtre_Formu(k, *oturum); };
    kancalar.girisPenceresiAc = [&k, &kancalar] {
        if (k.kullanici.isEmpty()) throw KullanimHatasi{QStringLiteral("the batch mode logs in with --user NAME")};
        Toplu_Giris(k, kancalar);
    };
    try {
        Main(k.parametreler, kancalar);
    } catch (const ProgramSonu& son) { return son.durum; } catch (const KullanimHatasi& h) {
        hataYaz(h.metin);
        return 2;
    }
    return 0;
}

int klasikCalistir(const KomutSatiri& k, Uygulama& uygulama) {
    GuiMesaj mesaj;
    mesajServisiniAyarla(&mesaj);
    BaslangicKancalari kancalar;
    kancalar.filtreFormuAc = [](std::shared_ptr<const Oturum> oturum) { Filtre_Formunu_Ac(std::move(oturum)); };
    kancalar.girisPenceresiAc = [&kancalar] {
        auto* giris = new LoginFrm;
        giris->baslat = [&kancalar](const GirisBilgisi& g) { Baslat(g, kancalar); };
        giris->show();
    };
    try {
        Main(k.parametreler, kancalar);
    } catch (const ProgramSonu& son) { return son.durum; }
    if (QApplication::topLevelWidgets().isEmpty()) return 0;
    return uygulama.calistir();
}

// Help, the versions and usage errors need no display: they are answered
// before any window system is asked for.
int ekransizCevapla(const KomutSatiri& k, int argc, char** argv) {
    QCoreApplication uygulama(argc, argv);
    const QString ad = sistem().programAdi();
    switch (k.kip) {
    case KomutSatiri::Kip::Yardim: std::fputs(KomutSatiri::kullanim(ad).toUtf8().constData(), stdout); return 0;
    case KomutSatiri::Kip::Surum:
        std::fputs(QStringLiteral("%1 %2\nQt %3\nSQLite %4\n")
                       .arg(ad, QStringLiteral(FL_SURUM), QString::fromLatin1(qVersion()), SqliteBaglanti::kutuphaneSurumu())
                       .toUtf8()
                       .constData(),
                   stdout);
        return 0;
    default:
        hataYaz(k.hata);
        hataYaz(KomutSatiri::kullanim(ad));
        return 2;
    }
}

} // namespace

int main(int argc, char** argv) {
    QStringList argumanlar;
    for (int i = 1; i < argc; ++i) argumanlar << QString::fromLocal8Bit(argv[i]);
    const KomutSatiri k = KomutSatiri::coz(argumanlar);
    if (k.kip == KomutSatiri::Kip::Yardim || k.kip == KomutSatiri::Kip::Surum || k.kip == KomutSatiri::Kip::Hata)
        return ekransizCevapla(k, argc, argv);

    if (k.kip == KomutSatiri::Kip::Toplu && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen"); // the batch mode needs no display
    if (k.kip != KomutSatiri::Kip::Klasik) qInstallMessageHandler(qtMesaji);
    Uygulama uygulama(argc, argv);
    QApplication::setApplicationName(programBasligi());

    if (k.kip == KomutSatiri::Kip::Toplu) return topluCalistir(k);
    return klasikCalistir(k, uygulama);
}
