#include "bant/RaporMotoru.h"
#include "bant/VeritabaniHatasi.h"

#include <stdexcept>
#include <type_traits>

namespace Bant {

RaporMotoru::RaporMotoru(RaporBelgesi& belge, SayfaAlici& alici) : b_(belge), alici_(alici) {}

QList<RaporMotoru::Blok> RaporMotoru::bolumBloklari(Bolum& b) {
    if (!b.gorunur) return {};
    const int blok = ++blokNo_;
    Blok ana;
    ana.ogeler.reserve(static_cast<qsizetype>(b.kontroller.size()) + 1); // an item per control, a box besides a label's text
    // Built in place, whole: an item is moved once, into the page.
    // A text takes its control's alignment and weight; a box or a line neither.
    auto oge = [&](SayfaOgesi::Tur tur, const Kontrol& k, const QRect& alan, const QString& metin = {}) -> SayfaOgesi& {
        const bool yazi = tur == SayfaOgesi::Tur::Metin;
        return ana.ogeler.emplaceBack(SayfaOgesi{tur, k.ad, alan, metin, yazi ? k.hiza : SayfaOgesi{}.hiza, yazi && k.kalin, QColor(),
                                                 b.tur, blok, icIce_, Deger(), QString()});
    };
    int enAlt = b.yukseklik;
    const Kontrol* alt = nullptr;
    for (Kontrol& k : b.kontroller) {
        if (!k.gorunur) continue;
        const QRect kutu(k.sol, k.ust, k.genislik, k.yukseklik);
        switch (k.tur) {
        case Kontrol::Tur::Etiket:
            if (k.arkaPlan.isValid()) oge(SayfaOgesi::Tur::Kutu, k, kutu).renk = k.arkaPlan;
            if (!k.metin.isEmpty()) oge(SayfaOgesi::Tur::Metin, k, kutu, k.metin);
            enAlt = qMax(enAlt, k.ust + k.yukseklik);
            break;
        case Kontrol::Tur::Alan:
        case Kontrol::Tur::Ozet: {
            const QString m = k.metinVar ? k.metin : b_.bicim.metin(k.deger, k.cikisBicimi);
            if (!m.isEmpty()) {
                SayfaOgesi& o = oge(SayfaOgesi::Tur::Metin, k, kutu, m);
                o.bicim = k.cikisBicimi;
                if (!k.metinVar) o.deger = k.deger;
            }
            enAlt = qMax(enAlt, k.ust + k.yukseklik);
            break;
        }
        case Kontrol::Tur::Cizgi:
            oge(SayfaOgesi::Tur::Cizgi, k, QRect(QPoint(k.x1, k.y1), QPoint(k.x2, k.y2)));
            enAlt = qMax(enAlt, qMax(k.y1, k.y2));
            break;
        case Kontrol::Tur::AltRapor:
            if (k.altRapor) alt = &k;
            break;
        }
    }
    if (!alt) {
        ana.yukseklik = enAlt;
        return {ana};
    }
    // The holder's content is laid out where the holder stands; the section
    // grows to hold it.
    RaporMotoru icMotor(*alt->altRapor, alici_);
    icMotor.icIce_ = true;
    icMotor.blokNo_ = blokNo_;
    icMotor.calistir();
    blokNo_ = icMotor.blokNo_;
    QList<Blok> bloklar;
    ana.yukseklik = alt->ust;
    bloklar << ana;
    int icYukseklik = 0;
    for (Blok& ic : icMotor.toplanan_) {
        for (SayfaOgesi& o : ic.ogeler) o.alan.translate(alt->sol, 0);
        icYukseklik += ic.yukseklik;
        bloklar << ic;
    }
    if (icYukseklik == 0) icYukseklik = alt->yukseklik;
    const int kalan = enAlt - (alt->ust + icYukseklik);
    if (kalan > 0) bloklar << Blok{{}, kalan};
    return bloklar;
}

void RaporMotoru::baglariKur(const QStringList& adlar) {
    alanBaglari_.clear();
    ozetBaglari_.clear();
    for (Bolum* b : b_.bolumler()) {
        QList<Bag> baglar;
        for (Kontrol& k : b->kontroller) {
            if (k.tur != Kontrol::Tur::Alan || k.veriAlani.isEmpty()) continue;
            const qsizetype i = alanNo(adlar, k.veriAlani);
            if (i >= 0) baglar.append({&k, i});
        }
        alanBaglari_.append(baglar);
    }
    for (Bolum* b : {&b_.GroupFooter1, &b_.ReportFooter})
        for (Kontrol& k : b->kontroller)
            if (k.tur == Kontrol::Tur::Ozet) ozetBaglari_.append({&k, alanNo(adlar, k.veriAlani)});
    grupAlanNo_ = b_.GroupHeader1.grupAlani.isEmpty() ? -1 : alanNo(adlar, b_.GroupHeader1.grupAlani);
}

qsizetype RaporMotoru::alanNo(const QStringList& adlar, const QString& ad) {
    auto it = alanNolari_.constFind(ad);
    if (it != alanNolari_.constEnd()) return it.value();
    qsizetype bulunan = -1;
    for (qsizetype i = 0; i < adlar.size(); ++i)
        if (adlar.at(i).compare(ad, Qt::CaseInsensitive) == 0) {
            bulunan = i;
            break;
        }
    alanNolari_.insert(ad, bulunan);
    return bulunan;
}

void RaporMotoru::ozetleriBiriktir(const QList<Deger>& satir) {
    for (const Bag& bag : std::as_const(ozetBaglari_)) {
        if (bag.alan < 0 || satir.at(bag.alan).bosMu()) continue;
        Kontrol& k = *bag.kontrol;
        Birikim& t = ozetler_[&k];
        if (k.ozetTuru == Kontrol::OzetTuru::Toplam) {
            try {
                t.toplam += satir.at(bag.alan).para();
            } catch (const Para::AralikDisi& h) {
                throw VeritabaniHatasi(HataNo::TurUyusmazligi, HataMetni::tutarAralikDisi(k.veriAlani, h.deger()));
            }
        }
        ++t.sayi;
    }
}

void RaporMotoru::ozetleriYaz(Bolum& b) {
    for (Kontrol& k : b.kontroller) {
        if (k.tur != Kontrol::Tur::Ozet) continue;
        const Birikim t = ozetler_.value(&k);
        k.degerAyarla(k.ozetTuru == Kontrol::OzetTuru::Toplam ? Deger::paradan(t.toplam) : Deger::tamsayidan(t.sayi));
    }
}

void RaporMotoru::ozetleriSifirla(Kontrol::Kapsam kapsam) {
    for (auto it = ozetler_.begin(); it != ozetler_.end(); ++it)
        if (it.key()->kapsam == kapsam) it.value() = Birikim{};
}

void RaporMotoru::yeniSayfa() {
    sayfaNo_ = ++b_.sayfaNo_;
    const SayfaAyari& a = b_.sayfaAyari;
    sayfa_ = Sayfa{};
    sayfa_.no = sayfaNo_;
    sayfa_.genislik = a.genislik;
    sayfa_.yukseklik = a.yukseklik;
    sayfa_.solKenar = a.solKenar;
    sayfa_.ustKenar = a.ustKenar;
    sayfa_.altKenar = a.altKenar;
    sayfa_.yazi = a.yazi;
    sayfa_.ogeler.reserve(ogeKapasitesi_); // pages of a report hold about as many items each
    sayfaAcik_ = true;
    govdeSonu_ = a.yukseklik - a.altKenar - (b_.PageFooter.gorunur ? b_.PageFooter.yukseklik : 0);
    y_ = a.ustKenar;
    b_.PageHeader_Format();
    for (Blok& blok : bolumBloklari(b_.PageHeader)) y_ = sayfayaKoy(blok, y_);
    govdeBasi_ = y_;
}

void RaporMotoru::sayfayiBitir() {
    b_.PageFooter_Format();
    int y = govdeSonu_;
    for (Blok& blok : bolumBloklari(b_.PageFooter)) y = sayfayaKoy(blok, y);
    sayfaAcik_ = false;
    ogeKapasitesi_ = std::max(ogeKapasitesi_, sayfa_.ogeler.size());
    alici_.sayfa(std::move(sayfa_));
}

// QList moves a range only of items that cannot throw while moving; it copies others.
static_assert(std::is_nothrow_move_constructible_v<SayfaOgesi>);

int RaporMotoru::sayfayaKoy(Blok& blok, int y) {
    for (SayfaOgesi& o : blok.ogeler) o.alan.translate(b_.sayfaAyari.solKenar, y);
    sayfa_.ogeler.append(std::move(blok.ogeler)); // moved as one range: one room check, not one per item
    return y + blok.yukseklik;
}

void RaporMotoru::yerAc(int yukseklik) {
    if (icIce_) return;
    if (y_ + yukseklik > govdeSonu_ && y_ > govdeBasi_) {
        sayfayiBitir();
        yeniSayfa();
    }
}

void RaporMotoru::yerlestir(QList<Blok> bloklar, const std::function<void()>& yazdirmadan) {
    if (icIce_) {
        if (yazdirmadan) yazdirmadan();
        toplanan_ << std::move(bloklar);
        return;
    }
    int toplam = 0;
    for (const Blok& blok : bloklar) toplam += blok.yukseklik;
    // A section that does not fit starts the next page; one taller than a
    // page is split between its blocks.
    yerAc(toplam);
    if (yazdirmadan) yazdirmadan();
    for (Blok& blok : bloklar) {
        if (y_ + blok.yukseklik > govdeSonu_ && y_ > govdeBasi_) {
            sayfayiBitir();
            yeniSayfa();
        }
        y_ = sayfayaKoy(blok, y_);
    }
}

void RaporMotoru::calistir() {
    b_.sayfaNo_ = 0;
    b_.ActiveReport_ReportStart();
    if (!b_.veri) throw std::logic_error("the document has no data control");
    const std::unique_ptr<Imlec> imlec = b_.veri();
    const QStringList adlar = imlec->alanAdlari();
    alanNolari_.clear();
    ozetler_.clear();
    baglariKur(adlar);
    if (!icIce_) yeniSayfa();
    yerlestir(bolumBloklari(b_.ReportHeader));

    const bool anahtarli = b_.GroupHeader1.gorunur && !b_.GroupHeader1.grupAlani.isEmpty();
    const bool grupVar = b_.GroupHeader1.gorunur || b_.GroupFooter1.gorunur;
    bool ilk = true;
    Deger onceki;
    QList<Deger> satir;
    auto grupBitir = [this] {
        ozetleriYaz(b_.GroupFooter1);
        // The footer's page is settled before its handler runs, so the page it
        // leaves behind still shows the group's running values.
        int yukseklik = 0;
        for (const Blok& blok : bolumBloklari(b_.GroupFooter1)) yukseklik += blok.yukseklik;
        yerAc(yukseklik);
        b_.GroupFooter1_Format();
        yerlestir(bolumBloklari(b_.GroupFooter1));
        ozetleriSifirla(Kontrol::Kapsam::Grup);
    };
    while (imlec->sonraki(satir)) {
        if (iptal && iptal()) break;
        b_.ActiveReport_FetchData(false);
        Deger anahtar;
        if (anahtarli && grupAlanNo_ >= 0) anahtar = satir.at(grupAlanNo_);
        const bool yeniGrup = grupVar && (ilk || (anahtarli && !(anahtar == onceki)));
        if (yeniGrup && !ilk) grupBitir();
        for (const QList<Bag>& baglar : std::as_const(alanBaglari_))
            for (const Bag& bag : baglar) bag.kontrol->degerAyarla(satir.at(bag.alan));
        if (yeniGrup && b_.GroupHeader1.gorunur) {
            if (b_.GroupHeader1.yeniSayfa && !ilk && !icIce_ && y_ > govdeBasi_) {
                sayfayiBitir();
                yeniSayfa();
            }
            yerlestir(bolumBloklari(b_.GroupHeader1));
        }
        onceki = anahtar;
        b_.Detail_Format();
        yerlestir(bolumBloklari(b_.Detail), [this] { b_.Detail_BeforePrint(); });
        ozetleriBiriktir(satir);
        ilk = false;
    }
    b_.ActiveReport_FetchData(true);
    if (!ilk && grupVar) grupBitir();
    ozetleriYaz(b_.ReportFooter);
    yerlestir(bolumBloklari(b_.ReportFooter));
    if (!icIce_) sayfayiBitir();
    b_.ActiveReport_ReportEnd();
}

} // namespace Bant
