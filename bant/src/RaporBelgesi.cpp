#include "bant/RaporBelgesi.h"
#include "bant/SayiBicimi.h"

#include <stdexcept>

namespace Bant {

RaporBelgesi::RaporBelgesi() {
    ReportHeader.tur = Bolum::Tur::ReportHeader;
    PageHeader.tur = Bolum::Tur::PageHeader;
    GroupHeader1.tur = Bolum::Tur::GroupHeader1;
    Detail.tur = Bolum::Tur::Detail;
    GroupFooter1.tur = Bolum::Tur::GroupFooter1;
    PageFooter.tur = Bolum::Tur::PageFooter;
    ReportFooter.tur = Bolum::Tur::ReportFooter;
}

QList<Bolum*> RaporBelgesi::bolumler() {
    return {&ReportHeader, &PageHeader, &GroupHeader1, &Detail, &GroupFooter1, &PageFooter, &ReportFooter};
}

Kontrol& RaporBelgesi::kontrol(const QString& ad) {
    for (Bolum* b : bolumler())
        for (Kontrol& k : b->kontroller)
            if (k.ad == ad) return k;
    throw std::logic_error("no control named " + ad.toStdString());
}

QString DegerBicimi::metin(const Deger& d, const QString& cikisBicimi) const {
    switch (d.tur()) {
    case Deger::Tur::Bos: return {};
    case Deger::Tur::Para:
        return cikisBicimi.isEmpty() ? d.metin().replace(u'.', ondalik) : SayiBicimi::bicimle(d.para(), cikisBicimi, ondalik, binlik);
    case Deger::Tur::Ondalik:
        return cikisBicimi.isEmpty() ? d.metin().replace(u'.', ondalik) : SayiBicimi::bicimle(d.ondalik(), cikisBicimi, ondalik, binlik);
    case Deger::Tur::Tamsayi:
        return cikisBicimi.isEmpty()
                   ? d.metin()
                   : SayiBicimi::bicimle(Para::hamdan(static_cast<Para::Ham>(d.tamsayi()) * Para::kBirim), cikisBicimi, ondalik, binlik);
    case Deger::Tur::Tarih: {
        const QDateTime t = d.tarih();
        // A date prints in the short form; a time of day is added when it has one.
        if (kalip_.bicim() != kisaTarih) {
            kalip_ = TarihKalibi(kisaTarih);
            gunler_.clear();
        }
        const QDate gun = t.date();
        QString s = gunler_.value(gun.toJulianDay());
        if (s.isNull()) {
            s = kalip_.yaz(gun);
            if (gunler_.size() < 20000) gunler_.insert(gun.toJulianDay(), s); // fifty years of days
        }
        if (t.time() != QTime(0, 0)) {
            s += u' ';
            TarihKalibi::saatEkle(s, t.time());
        }
        return s;
    }
    default: return d.metinVeyaBos();
    }
}

} // namespace Bant
