#pragma once
#include "platform/rapor/ExcelKitabi.h"
#include "platform/rapor/Satirlar.h"

namespace Bant {

// The report as a spreadsheet, not a picture of its pages: the first page's
// header on top, the column captions once (frozen, with an auto-filter), then
// one row per printed line of the body (invoices, group headers and footers,
// the grand total), a sub-report's lines indented under their row. Amounts
// are numbers with the report's format, dates date cells, page headers and
// footers are not repeated. A sheet holds 65,536 rows; the rows go on on a
// new sheet under the captions again.
class ExcelYazici : public SayfaAlici {
public:
    // `bicim`: the regional separators, to read amounts a report set as text.
    ExcelYazici(const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi);
    void sayfa(Sayfa&& s) override;
    // Writes the workbook; false when it could not be written.
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

private:
    void satirYaz(const Satir& s, bool baslik = false);
    void hucreYaz(int sutun, const QList<const SayfaOgesi*>& ogeler, bool baslik);
    void yeniSayfa();

    QString dosya_;
    DegerBicimi bicim_;
    QString sayfaAdi_;
    ExcelKitabi kitap_;
    Sutunlar sutunlar_;
    Sutunlar icSutunlar_; // a sub-report's, from the first of its lines under a row
    bool icte_ = false;
    QStringList basliklar_;
    int satir_ = 0;
    int sayfaSayisi_ = 0; // sheets
    int sayi_ = 0;        // report pages
};

} // namespace Bant
