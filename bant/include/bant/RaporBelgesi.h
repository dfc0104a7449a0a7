#pragma once
#include "bant/Belge.h"
#include "bant/Imlec.h"

#include <QString>
#include <functional>
#include <memory>

namespace Bant {

// A banded document: its sections and controls, its page, its data control
// and the events the engine raises while it runs, in this order:
// ReportStart; per row FetchData, Detail_Format, Detail_BeforePrint;
// PageHeader_Format and PageFooter_Format at page breaks; GroupFooter1_Format
// when a group ends; FetchData with the end flag; ReportEnd after the last page.
class RaporBelgesi {
public:
    RaporBelgesi();
    virtual ~RaporBelgesi() = default;
    // Handles into the sections point at their controls: no copies.
    RaporBelgesi(const RaporBelgesi&) = delete;
    RaporBelgesi& operator=(const RaporBelgesi&) = delete;

    Bolum ReportHeader, PageHeader, GroupHeader1, Detail, GroupFooter1, PageFooter, ReportFooter;
    SayfaAyari sayfaAyari;
    DegerBicimi bicim;
    // The data control: opens the document's rows. The engine calls it once
    // per run, after ReportStart, so the start handler may still set it.
    std::function<std::unique_ptr<Imlec>()> veri;

    // The control of that name in any section. A missing name throws
    // std::logic_error: documents resolve their controls once, when built.
    Kontrol& kontrol(const QString& ad);
    QList<Bolum*> bolumler();
    int sayfaNo() const { return sayfaNo_; }

    virtual void ActiveReport_ReportStart() {}
    virtual void ActiveReport_FetchData(bool veriBitti) { (void)veriBitti; }
    virtual void PageHeader_Format() {}
    virtual void Detail_Format() {}
    virtual void Detail_BeforePrint() {}
    virtual void GroupFooter1_Format() {}
    virtual void PageFooter_Format() {}
    virtual void ActiveReport_ReportEnd() {}

private:
    friend class RaporMotoru;
    int sayfaNo_ = 0;
};

} // namespace Bant
