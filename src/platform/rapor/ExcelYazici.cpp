#include "platform/rapor/ExcelYazici.h"

#include <QMap>

namespace Bant {

namespace {

bool sayiBicimi(const QString& b) { return b.contains(u'0') || b.contains(u'#'); }

} // namespace

ExcelYazici::ExcelYazici(const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi)
    : dosya_(dosya), bicim_(std::move(bicim)), sayfaAdi_(sayfaAdi) {
    yeniSayfa();
}

void ExcelYazici::yeniSayfa() {
    ++sayfaSayisi_;
    kitap_.sayfaEkle(sayfaSayisi_ == 1 ? sayfaAdi_ : QStringLiteral("%1 (%2)").arg(sayfaAdi_.left(24)).arg(sayfaSayisi_));
    satir_ = 0;
    if (basliklar_.isEmpty()) return;
    // The captions again on top of the new sheet.
    const int xf = kitap_.bicim({}, true);
    for (int i = 0; i < basliklar_.size(); ++i) kitap_.metin(0, i, basliklar_.at(i), xf);
    kitap_.baslikSatiri(0, static_cast<int>(basliklar_.size()));
    satir_ = 1;
}

void ExcelYazici::hucreYaz(int sutun, const QList<const SayfaOgesi*>& ogeler, bool baslik) {
    const SayfaOgesi& o = *ogeler.first();
    const bool sag = o.hiza & Qt::AlignRight;
    if (ogeler.size() == 1 && !baslik) {
        const Deger& d = o.deger;
        switch (d.tur()) {
        case Deger::Tur::Para:
        case Deger::Tur::Ondalik:
        case Deger::Tur::Tamsayi: {
            // The amount's own digits, not a binary approximation of a sum.
            const double n = d.tur() == Deger::Tur::Para ? d.para().metin().toDouble() : d.ondalik();
            kitap_.sayi(satir_, sutun, n, kitap_.bicim(o.bicim, o.kalin, true));
            return;
        }
        case Deger::Tur::Tarih: {
            const QDateTime t = d.tarih();
            const QDate g = t.date();
            const double gun = ExcelKitabi::tarihSayisi(g.year(), g.month(), g.day()) + t.time().msecsSinceStartOfDay() / 86400000.0;
            const bool saatli = t.time() != QTime(0, 0);
            kitap_.sayi(satir_, sutun, gun,
                        kitap_.bicim(saatli ? QStringLiteral("dd.mm.yyyy hh:mm:ss") : QStringLiteral("dd.mm.yyyy"), o.kalin, sag));
            return;
        }
        case Deger::Tur::Bos:
            // A text a handler set in a number's place: read with the report's separators.
            if (sayiBicimi(o.bicim)) {
                QString m = o.metin;
                m.remove(bicim_.binlik).replace(bicim_.ondalik, QStringLiteral("."));
                bool tamam = false;
                const double n = m.trimmed().toDouble(&tamam);
                if (tamam) {
                    kitap_.sayi(satir_, sutun, n, kitap_.bicim(o.bicim, o.kalin, true));
                    return;
                }
            }
            break;
        default: break;
        }
    }
    QStringList metinler;
    bool kalin = baslik;
    for (const SayfaOgesi* x : ogeler) {
        metinler << x->metin;
        kalin = kalin || x->kalin;
    }
    kitap_.metin(satir_, sutun, metinler.join(u' '), kitap_.bicim({}, kalin, sag && ogeler.size() == 1));
}

void ExcelYazici::satirYaz(const Satir& s, bool baslik) {
    if (satir_ >= ExcelKitabi::kEnFazlaSatir) yeniSayfa();
    // A sub-report's lines stand one column in, in the columns of their own captions.
    if (s.ic && !icte_) icSutunlar_ = Sutunlar(s);
    icte_ = s.ic;
    const auto hucreler = s.ic ? icSutunlar_.dagit(s.hucreler, 1) : sutunlar_.dagit(s.hucreler);
    for (auto it = hucreler.cbegin(); it != hucreler.cend(); ++it) hucreYaz(it.key(), it.value(), baslik);
    ++satir_;
}

void ExcelYazici::sayfa(Sayfa&& s) {
    const QList<Satir> satirlar = Sayfa_Satirlari(s);
    qsizetype baslik = -1;
    if (sayi_++ == 0) {
        baslik = Baslik_Satiri(satirlar);
        if (baslik >= 0) {
            sutunlar_ = Sutunlar(satirlar.at(baslik));
            for (int i = 0; i < sutunlar_.sayi(); ++i) basliklar_ << sutunlar_.baslik(i);
        }
    }
    for (qsizetype i = 0; i < satirlar.size(); ++i) {
        const Satir& st = satirlar.at(i);
        const bool sayfaBolumu = st.bolum == Bolum::Tur::PageHeader || st.bolum == Bolum::Tur::PageFooter;
        if (i == baslik) {
            const int satir = satir_;
            satirYaz(st, true);
            kitap_.baslikSatiri(satir, sutunlar_.sayi());
            for (const SayfaOgesi* o : st.hucreler) kitap_.sutunGenisligi(sutunlar_.sutun(o->alan), o->alan.width() / 100);
            continue;
        }
        // The first page's header stands once on top; no other page's header or footer.
        if (sayfaBolumu && (sayi_ > 1 || (baslik >= 0 && i > baslik) || st.bolum == Bolum::Tur::PageFooter)) continue;
        satirYaz(st);
    }
}

bool ExcelYazici::bitir() { return !kitap_.hataVar() && kitap_.yaz(dosya_); }

} // namespace Bant
