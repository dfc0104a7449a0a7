#pragma once
#include "bant/Kitap.h"
#include "bant/Satirlar.h"

#include <QMap>
#include <memory>
#include <QSet>

namespace Bant {

// The report as a spreadsheet, not a picture of its pages: the first page's
// header on top, the column captions once (frozen, with an auto-filter), then
// one row per printed line of the body. An invoice's lines stand in columns
// of their own to the right of the invoice's, under their own captions in the
// caption row, so that no invoice column holds a line's value. A group's
// title is one cell; the grand total's cells stand in the group totals'
// columns. Group totals and the grand total are SUBTOTAL formulas over their
// rows with the report's figure kept as their result, so they follow the
// auto-filter; a group's rows fold in an outline. The sheets print on A4, one
// page wide, with the caption row on every page. Amounts are numbers with
// the report's format, dates date cells,
// page headers and footers are not repeated. A sheet holds 65,536 rows (an
// .xlsx one 1,048,576); the rows go on on a new sheet under the captions
// again, an invoice always on the sheet of its lines. The file takes the
// target's place only at `bitir()`.
class ExcelDosyasi : public SayfaAlici {
public:
    // `bicim`: the regional separators, to read amounts a report set as text.
    // `xlsx`: Office Open XML instead of Excel 97-2003.
    ExcelDosyasi(const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi, bool xlsx = false);
    // Into a workbook of the caller's (an .xls written to `dosya` at bitir()).
    ExcelDosyasi(std::unique_ptr<Kitap> kitap, const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi);
    ~ExcelDosyasi() override; // without bitir(): nothing is left beside the target
    ExcelDosyasi(const ExcelDosyasi&) = delete;
    ExcelDosyasi& operator=(const ExcelDosyasi&) = delete;
    void sayfa(Sayfa&& s) override;
    // Writes the workbook; false when it could not be written.
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

    // A sheet's name as spreadsheet programs allow it: without []:*?/\,
    // at most 31 characters, the continuation number `no` (from 2) included.
    static QString Sayfa_Adi(const QString& ad, int no);

private:
    // A row waiting to be written: copies of its texts by column.
    struct Kuyruk {
        enum class Tur { Satir, GrupBasi, GrupToplami, GenelToplam };
        QMap<int, QList<SayfaOgesi>> hucreler;
        bool baslik = false;
        Tur tur = Tur::Satir;
        int duzey = 0; // outline level: a group's invoices 1, their lines one more
    };
    // Where a row stands: its sheet and row.
    struct Yer {
        int sayfa = 0;
        int satir = 0;
    };
    // One column from `bas` to the row above the current one, over sheets.
    QList<Kitap::Aralik> aralik(Yer bas, int kolon) const;
    Kuyruk kuyruga(const QMap<int, QList<const SayfaOgesi*>>& hucreler, bool baslik = false) const;
    void bosalt();
    void satirYaz(const Kuyruk& k);
    void basliklariYaz();
    void hucreYaz(int kolon, const QList<SayfaOgesi>& ogeler, bool baslik);
    void yeniSayfa();

    QString dosya_;
    QString gecici_; // beside the target until the workbook is complete
    DegerBicimi bicim_;
    QString sayfaAdi_;
    bool xlsx_ = false;
    std::unique_ptr<Kitap> kitap_;
    Kolonlar kolonlar_;
    Kolonlar icKolonlar_; // the invoice lines', from the first of their caption rows
    QStringList basliklar_;
    QStringList icBasliklar_;
    QList<int> altlikKolonlari_; // where the group total's texts stood, in order
    QList<Kuyruk> bekleyen_;     // rows of the invoice being read, with what came before it
    QSet<int> tutarKolonlari_;   // columns where invoices have amounts: their totals are formulas
    bool gruplu_ = false;
    Yer govdeBasi_;
    Yer grupBasi_;
    bool baslikBekliyor_ = false;
    bool faturaVar_ = false; // an invoice among the waiting rows
    bool icte_ = false;
    int satir_ = 0;
    int sayfaSayisi_ = 0; // sheets
    int sayi_ = 0;        // report pages
};

} // namespace Bant
