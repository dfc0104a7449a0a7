// Times the preview window off screen: the report run into it (as the screen
// target does, with the time its first page came), then pages 1 to N shown and painted one after another, as a
// user paging with "next page" sees them, then a find through every page
// for a text none holds. Prints CPU and wall time of each.
//
// Usage: onizleme_olc [--pages N] --batch "FIRM|FOLDER|..." [--set ...] [--end ...]
// (the batch mode's company and edits; the template beside this tool or --template).
#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/Secenekler.h"
#include "filterform/TopluFiltre.h"
#include "bant/OnizlemePenceresi.h"
#include "platform/sistem/KonsolMesaj.h"
#include "platform/sistem/Mesaj.h"
#include "report/AnaRapor.h"
#include "report/RaporUret.h"
#include "startup/Baslangic.h"
#include "startup/KomutSatiri.h"
#include "startup/ProgramSonu.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QAbstractScrollArea>
#include <cstdio>
#include <ctime>

namespace {

double islemciSaniyesi() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Olcum {
    double islemci = islemciSaniyesi();
    QElapsedTimer duvar;
    Olcum() { duvar.start(); }
    void yaz(const char* ad, qsizetype sayfa) const {
        std::printf("%-32s %7.2f s CPU %7.2f s wall %6lld pages\n", ad, islemciSaniyesi() - islemci,
                    static_cast<double>(duvar.elapsed()) / 1000, static_cast<long long>(sayfa));
    }
};

// Counts the page's paint events: each page shown must have been painted.
class BoyamaSayaci : public QObject {
public:
    int sayi = 0;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++sayi;
        return QObject::eventFilter(o, e);
    }
};

QElapsedTimer baslangic; // since the program started

// Hands the pages to the preview as the screen target does, noting when the first came.
class IlkSayfa : public Bant::SayfaAlici {
public:
    explicit IlkSayfa(Bant::OnizlemePenceresi& p) : p_(p) {}
    void sayfa(Bant::Sayfa&& s) override {
        if (ilk_ < 0) ilk_ = baslangic.nsecsElapsed();
        p_.sayfa(std::move(s));
    }
    double saniye() const { return static_cast<double>(ilk_) / 1e9; }

private:
    Bant::OnizlemePenceresi& p_;
    qint64 ilk_ = -1;
};

void olc(const RaporGirdisi& girdi, int sayfaSayisi) {
    auto* p = new Bant::OnizlemePenceresi(AnaRapor::baslik());
    p->show();
    IlkSayfa alici(*p);
    const Olcum uretim;
    Rapor_Uret(girdi, alici);
    p->uretimBitti();
    uretim.yaz("report into the preview", p->sayfalar().size());
    std::printf("%-32s %7.2f s after the start\n", "first page in the preview", alici.saniye());
    const int n = std::min(sayfaSayisi, static_cast<int>(p->sayfalar().size()));
    QWidget* kagit = p->findChild<QAbstractScrollArea*>()->viewport();
    BoyamaSayaci sayac;
    kagit->installEventFilter(&sayac);
    QCoreApplication::processEvents();
    sayac.sayi = 0;
    const Olcum gezinti;
    for (int i = 0; i < n; ++i) {
        p->sayfayaGit(i);
        QCoreApplication::processEvents(); // what a click repaints, as the event loop paints it
    }
    gezinti.yaz("paging, each page painted", sayac.sayi);
    // A text no page holds: the find reads every item of every page once.
    const Olcum arama;
    p->bul(QStringLiteral("yok böyle bir metin"));
    arama.yaz("find through all pages", p->sayfalar().size());
}

// Qt's notices about the off-screen platform are not measurements.
void sessiz(QtMsgType tur, const QMessageLogContext&, const QString& metin) {
    if (tur == QtCriticalMsg || tur == QtFatalMsg) std::fputs((metin + u'\n').toUtf8().constData(), stderr);
}

} // namespace

int main(int argc, char** argv) {
    baslangic.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(sessiz);
    QApplication uygulama(argc, argv);
    int sayfaSayisi = 200;
    QStringList argumanlar;
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == QLatin1String("--pages") && i + 1 < argc)
            sayfaSayisi = QString::fromLocal8Bit(argv[++i]).toInt();
        else
            argumanlar << a;
    }
    const KomutSatiri k = KomutSatiri::coz(argumanlar);
    if (k.kip != KomutSatiri::Kip::Toplu) {
        std::fputs("usage: onizleme_olc [--pages N] --batch \"FIRM|FOLDER|...\" [edits]\n", stderr);
        return 2;
    }
    KonsolMesaj mesaj(true);
    mesajServisiniAyarla(&mesaj);
    BaslangicKancalari kancalar;
    kancalar.filtreFormuAc = [&k, sayfaSayisi](std::shared_ptr<const Oturum> oturum) {
        FiltreFormu form(Liste_Ortami(*oturum));
        Toplu_Formu_Hazirla(k, form);
        const SorguDurumu durum = Toplu_Sorgu_Olustur(form, *oturum);
        olc(Rapor_Girdisi(*oturum, durum, Isyeri_Basligi(form.listeOrtami(), form.FiltreGrd, durum.IsyeriKosulu)), sayfaSayisi);
    };
    try {
        Main(k.parametreler, kancalar);
    } catch (const ProgramSonu& son) { return son.durum; }
    return 0;
}
