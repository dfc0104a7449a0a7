#pragma once
#include <QList>
#include <QString>

namespace Bant {

// A spreadsheet workbook written cell by cell in row order: what the
// workbook export needs of a file format. ExcelKitabi writes Excel 97-2003
// (.xls), XlsxKitabi Office Open XML (.xlsx).
class Kitap {
public:
    virtual ~Kitap() = default;

    // Rows a sheet holds.
    virtual int enFazlaSatir() const = 0;
    // A cell format: the number format ("" general, "#,##0.00", "dd.mm.yyyy"),
    // bold, right-aligned. The same arguments give the same index.
    virtual int bicim(const QString& sayiBicimi, bool kalin = false, bool sagaYasli = false) = 0;
    virtual void sayfaEkle(const QString& ad) = 0;
    // The current sheet, from 0.
    virtual int sayfaNo() const = 0;
    virtual void metin(int satir, int kolon, const QString& metin, int bicim) = 0;
    virtual void sayi(int satir, int kolon, double sayi, int bicim) = 0;
    // Rows `ilk` to `son` of one column of a sheet.
    struct Aralik {
        int sayfa, ilk, son, kolon;
    };
    // SUBTOTAL(islev; araliklar...) with its result `sonuc` kept, so that a
    // reader shows it before calculating: 9 sums, and follows the filter.
    virtual void altToplam(int satir, int kolon, int islev, const QList<Aralik>& araliklar, double sonuc, int bicim) = 0;
    // The row's outline level (0 none), given before its cells.
    virtual void satirDuzeyi(int satir, int duzey) = 0;
    // Rows above `satir` stay in view while scrolling; an auto-filter over
    // the columns of that caption row.
    virtual void baslikSatiri(int satir, int kolonSayisi) = 0;
    virtual void kolonGenisligi(int kolon, int karakter) = 0;
    // How every sheet prints: the margins in twips; on A4, across when its
    // columns are wider than the paper, one page wide, the caption row on
    // every page.
    struct Baski {
        int sol = 560, sag = 560, ust = 720, alt = 720;
    };
    virtual void baskiAyarla(const Baski& b) = 0;
    // Writes the workbook to `dosya`; false on failure.
    virtual bool yaz(const QString& dosya) = 0;
    virtual bool hataVar() const = 0;

    // Days since 30 December 1899: how a workbook stores a date.
    static double tarihSayisi(int yil, int ay, int gun);
    // Paper A4 is wider across than this many characters of the default font fit.
    static constexpr int kDikeyKarakter = 100;
};

} // namespace Bant
