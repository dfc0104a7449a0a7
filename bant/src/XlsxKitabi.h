#pragma once
#include "bant/Kitap.h"

#include <QHash>
#include <QStringList>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace Bant {

// An Office Open XML workbook (.xlsx) through libxlsxwriter in its
// constant-memory mode: each row goes to a temporary file as soon as the
// next starts, so memory stays flat; one sheet holds 1,048,576 rows. The
// library writes into `gecici` when the workbook is complete; `yaz` then
// puts it in the target's place.
class XlsxKitabi : public Kitap {
public:
    explicit XlsxKitabi(const QString& gecici);
    ~XlsxKitabi() override; // without yaz(): nothing is left behind
    XlsxKitabi(const XlsxKitabi&) = delete;
    XlsxKitabi& operator=(const XlsxKitabi&) = delete;

    int enFazlaSatir() const override { return 1048576; }
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
    bool yaz(const QString& dosya) override;
    bool hataVar() const override { return hata_; }

private:
    struct Sayfa {
        lxw_worksheet* sayfa = nullptr;
        QString ad;
        int baslik = -1;
        int baslikKolonu = 0;
        int sonSatir = -1;
        QHash<int, int> genislik;
    };
    void kapat();
    Sayfa* simdiki() { return sayfalar_.isEmpty() ? nullptr : &sayfalar_.last(); }
    void kullanildi(int satir, int kolon, int karakter);

    QString gecici_;
    lxw_workbook* kitap_ = nullptr;
    QList<Sayfa> sayfalar_;
    QList<lxw_format*> bicimler_;
    QHash<QString, int> bicimNo_;
    Baski baski_;
    bool hata_ = false;
    bool kapandi_ = false;
};

} // namespace Bant
