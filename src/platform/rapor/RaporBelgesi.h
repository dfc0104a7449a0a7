#pragma once
#include "platform/rapor/Belge.h"

#include <QString>

// A banded document: its sections and controls, its data control and the
// events the engine raises while it runs, in this order: ReportStart; per
// row FetchData, Detail_Format, Detail_BeforePrint; PageHeader_Format and
// PageFooter_Format at page breaks; GroupFooter1_Format when a group ends;
// FetchData with the end flag; ReportEnd after the last page.
class RaporBelgesi {
public:
    RaporBelgesi();
    virtual ~RaporBelgesi() = default;

    Bolum ReportHeader, PageHeader, GroupHeader1, Detail, GroupFooter1, PageFooter, ReportFooter;
    QString baglantiCumlesi; // data control
    QString sql;
    QString belgeAdi;
    QString pencereBasligi;
    int yazdirmaGenisligi = 10785;
    DegerBicimi bicim;

    // The control of that name in any section; a missing name is a programming error.
    Kontrol& operator[](const QString& ad);
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
