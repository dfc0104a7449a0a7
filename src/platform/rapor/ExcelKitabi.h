#pragma once
#include <QHash>
#include <QList>
#include <QString>
#include <memory>

class QTemporaryFile;

namespace Bant {

// An Excel 97-2003 workbook (BIFF8 records in an OLE2 compound file) built
// cell by cell in row order. Texts go through the shared string table, each
// stored once, up to 32,767 characters. Each sheet's cells go to a temporary file as
// they come, so memory does not grow with the rows; the file is composed at
// `bitir()`, when the sizes the workbook's index needs are known.
class ExcelKitabi {
public:
    static constexpr int kEnFazlaSatir = 65536;

    ExcelKitabi();
    ~ExcelKitabi();
    ExcelKitabi(const ExcelKitabi&) = delete;
    ExcelKitabi& operator=(const ExcelKitabi&) = delete;

    // A cell format: the number format ("" general, "#,##0.00", "dd.mm.yyyy"),
    // bold, right-aligned. The same arguments give the same index.
    int bicim(const QString& sayiBicimi, bool kalin = false, bool sagaYasli = false);

    void sayfaEkle(const QString& ad);
    // The current sheet, from 0.
    int sayfaNo() const { return static_cast<int>(sayfalar_.size()) - 1; }
    void metin(int satir, int sutun, const QString& metin, int bicim);
    void sayi(int satir, int sutun, double sayi, int bicim);
    // Rows `ilk` to `son` of one column of a sheet.
    struct Aralik {
        int sayfa, ilk, son, sutun;
    };
    // SUBTOTAL(islev; araliklar...) with its result `sonuc` kept, so that a
    // reader shows it before calculating: 9 sums, and follows the filter.
    void altToplam(int satir, int sutun, int islev, const QList<Aralik>& araliklar, double sonuc, int bicim);
    // The row's outline level (0 none), given before its cells.
    void satirDuzeyi(int satir, int duzey);
    // Rows above `satir` stay in view while scrolling; an auto-filter over
    // the columns of that caption row.
    void baslikSatiri(int satir, int sutunSayisi);
    void sutunGenisligi(int sutun, int karakter);
    // How every sheet prints: the margins in twips; on A4, across when its
    // columns are wider than the paper, one page wide, the caption row on
    // every page.
    struct Baski {
        int sol = 560, sag = 560, ust = 720, alt = 720;
    };
    void baskiAyarla(const Baski& b) { baski_ = b; }

    // Writes the workbook to `dosya` (no temporary file beside it: the caller
    // chooses the path); false on failure.
    bool yaz(const QString& dosya);
    bool hataVar() const { return hata_; }

    // Days since 30 December 1899: how the workbook stores a date.
    static double tarihSayisi(int yil, int ay, int gun);

private:
    struct Sayfa;
    QByteArray genel(const QList<quint32>& konumlar, const QByteArray& sst) const;
    QByteArray sayfaBasi(const Sayfa& s) const;
    // `no`: the sheet's place, which numbers its drawing.
    QByteArray sayfaSonu(const Sayfa& s, bool ilk, int no) const;
    void hucreYaz(const QByteArray& kayit, int satir, int sutun);

    // The shared strings: each text once, the cells refer to it by number.
    QByteArray paylasilanMetinler(quint32 konum) const;
    QList<std::shared_ptr<Sayfa>> sayfalar_;
    QHash<QString, quint32> metinNo_;
    QStringList metinler_;
    quint32 metinKullanimi_ = 0;
    QStringList bicimler_;          // custom number formats, from 164 on
    QList<QList<int>> xfler_;       // font, format, alignment of the cell formats
    QHash<QString, int> xfAnahtar_; // the arguments of bicim() to its index
    Baski baski_;
    bool hata_ = false;
};

} // namespace Bant
