#pragma once
#include "bant/Kitap.h"

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
class ExcelKitabi : public Kitap {
public:
    static constexpr int kEnFazlaSatir = 65536;

    ExcelKitabi();
    ~ExcelKitabi() override;
    ExcelKitabi(const ExcelKitabi&) = delete;
    ExcelKitabi& operator=(const ExcelKitabi&) = delete;

    int enFazlaSatir() const override { return kEnFazlaSatir; }
    int bicim(const QString& sayiBicimi, bool kalin = false, bool sagaYasli = false) override;
    void sayfaEkle(const QString& ad) override;
    int sayfaNo() const override { return static_cast<int>(sayfalar_.size()) - 1; }
    void metin(int satir, int kolon, const QString& metin, int bicim) override;
    void sayi(int satir, int kolon, double sayi, int bicim) override;
    void altToplam(int satir, int kolon, int islev, const QList<Aralik>& araliklar, double sonuc, int bicim) override;
    void satirDuzeyi(int satir, int duzey) override;
    void baslikSatiri(int satir, int kolonSayisi) override;
    void kolonGenisligi(int kolon, int karakter) override;
    void baskiAyarla(const Baski& b) override { baski_ = b; }
    // No temporary file beside it: the caller chooses the path.
    bool yaz(const QString& dosya) override;
    bool hataVar() const override { return hata_; }

private:
    struct Sayfa;
    QByteArray genel(const QList<quint32>& konumlar, const QByteArray& sst) const;
    QByteArray sayfaBasi(const Sayfa& s) const;
    // `no`: the sheet's place, which numbers its drawing.
    QByteArray sayfaSonu(const Sayfa& s, bool ilk, int no) const;
    void hucreYaz(const QByteArray& kayit, int satir, int kolon);

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
