#pragma once
#include "bant/RaporBelgesi.h"
#include "bant/Sayfa.h"
#include "bant/Para.h"

#include <QHash>
#include <functional>
#include <memory>

namespace Bant {

// Runs a banded document: reads its data control, raises its events in band
// order and lays the sections out on pages, which go to the receiver one
// after the other as the rows stream in. A sub-report in a visible holder
// runs while its detail is laid out and grows the detail to hold it.
class RaporMotoru {
public:
    RaporMotoru(RaporBelgesi& belge, SayfaAlici& alici);

    // Checked once per row; true stops the run after the current page.
    std::function<bool()> iptal;

    // Runs the document to its end. Data errors raise VeritabaniHatasi.
    void calistir();
    int sayfaSayisi() const { return sayfaNo_; }

private:
    // A piece of a section laid out: items relative to its top, and its height.
    struct Blok {
        QList<SayfaOgesi> ogeler;
        int yukseklik = 0;
    };

    QList<Blok> bolumBloklari(Bolum& b);
    // Each bound control with its field, found once per run: a lookup by
    // name for every control of every row cost a tenth of a run.
    struct Bag {
        Kontrol* kontrol;
        qsizetype alan;
    };
    void baglariKur(const QStringList& adlar);
    void ozetleriBiriktir(const QList<Deger>& satir);
    void ozetleriYaz(Bolum& b);
    void ozetleriSifirla(Kontrol::Kapsam kapsam);
    void yerlestir(QList<Blok> bloklar, const std::function<void()>& yazdirmadan = {});
    void yerAc(int yukseklik);         // a new page unless that much room is left
    int sayfayaKoy(Blok& blok, int y); // its items moved onto the page at y; the y below it
    void yeniSayfa();
    void sayfayiBitir();
    qsizetype alanNo(const QStringList& adlar, const QString& ad);

    RaporBelgesi& b_;
    SayfaAlici& alici_;
    Sayfa sayfa_;
    qsizetype ogeKapasitesi_ = 0;
    bool sayfaAcik_ = false;
    int y_ = 0;
    int govdeBasi_ = 0;
    int govdeSonu_ = 0;
    bool icIce_ = false; // a sub-report: sections go to toplanan_, not to pages
    QList<Blok> toplanan_;
    QHash<QString, qsizetype> alanNolari_;
    QList<QList<Bag>> alanBaglari_; // per section of b_.bolumler(), in that order
    QList<Bag> ozetBaglari_;        // the summaries of the group and report footers
    qsizetype grupAlanNo_ = -1;
    int sayfaNo_ = 0;
    int blokNo_ = 0; // sections laid out so far, sub-reports included
    struct Birikim {
        Para toplam;
        qint64 sayi = 0;
    };
    QHash<Kontrol*, Birikim> ozetler_;
};

} // namespace Bant
