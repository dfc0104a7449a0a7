// libgsf brings glib, whose headers use a name Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>
#pragma pop_macro("signals")

#include "ExcelKitabi.h"

#include <QDate>
#include <QFile>
#include <QTemporaryFile>
#include <algorithm>
#include <cstring>

namespace Bant {

namespace {

// Record types of the workbook format.
enum : quint16 {
    BOF = 0x0809,
    EOF_ = 0x000A,
    CODEPAGE = 0x0042,
    WINDOW1 = 0x003D,
    DATEMODE = 0x0022,
    FONT = 0x0031,
    FORMAT = 0x041E,
    XF = 0x00E0,
    STYLE = 0x0293,
    BOUNDSHEET = 0x0085,
    SUPBOOK = 0x01AE,
    EXTERNSHEET = 0x0017,
    NAME = 0x0018,
    COLINFO = 0x007D,
    AUTOFILTERINFO = 0x009D,
    DIMENSIONS = 0x0200,
    LABELSST = 0x00FD,
    SST = 0x00FC,
    EXTSST = 0x00FF,
    CONTINUE = 0x003C,
    NUMBER = 0x0203,
    WINDOW2 = 0x023E,
    PANE = 0x0041,
    FORMULA = 0x0006,
    ROW = 0x0208,
    GUTS = 0x0080,
    WSBOOL = 0x0081,
    LEFTMARGIN = 0x0026,
    RIGHTMARGIN = 0x0027,
    TOPMARGIN = 0x0028,
    BOTTOMMARGIN = 0x0029,
    SETUP = 0x00A1,
    MSODRAWINGGROUP = 0x00EB,
    MSODRAWING = 0x00EC,
    OBJ = 0x005D,
};

// Drawing records (the Office drawing format inside the workbook): a
// record's head is its version and instance, its type and its length.
QByteArray cizim(quint16 surumVeOrnek, quint16 tur, const QByteArray& icerik, quint32 uzunluk = 0xFFFFFFFF) {
    QByteArray b;
    b.append(static_cast<char>(surumVeOrnek & 0xFF));
    b.append(static_cast<char>(surumVeOrnek >> 8));
    b.append(static_cast<char>(tur & 0xFF));
    b.append(static_cast<char>(tur >> 8));
    const quint32 n = uzunluk == 0xFFFFFFFF ? static_cast<quint32>(icerik.size()) : uzunluk;
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>((n >> (8 * i)) & 0xFF));
    return b + icerik;
}
// Shape identifiers come in blocks of 1024 per drawing; a sheet is drawing n from 1.
constexpr quint32 kSekilBlogu = 1024;

// Tokens of a formula.
enum : quint8 {
    ptgInt = 0x1E,
    ptgArea = 0x25,    // reference class
    ptgArea3d = 0x3B,  // reference class
    ptgFuncVar = 0x42, // value class
};
constexpr quint16 kSubtotal = 344;

// The default style formats every workbook carries before its own.
constexpr int kStilSayisi = 16;
constexpr int kIlkBicim = 164;
// The longest text a cell holds.
constexpr int kEnUzunMetin = 32767;
// The most data one record carries; the rest goes on in CONTINUE records.
constexpr int kKayitVerisi = 8224;

void u8(QByteArray& b, quint8 v) { b.append(static_cast<char>(v)); }
void u16(QByteArray& b, quint16 v) {
    u8(b, v & 0xFF);
    u8(b, v >> 8);
}
void u32(QByteArray& b, quint32 v) {
    u16(b, v & 0xFFFF);
    u16(b, v >> 16);
}
void f64(QByteArray& b, double d) {
    quint64 v;
    std::memcpy(&v, &d, sizeof v);
    u32(b, static_cast<quint32>(v & 0xFFFFFFFFu));
    u32(b, static_cast<quint32>(v >> 32));
}

// The characters of a string: one byte each when all fit, else UTF-16.
void karakterler(QByteArray& b, const QString& s) {
    const bool tekBayt = std::all_of(s.cbegin(), s.cend(), [](QChar c) { return c.unicode() < 0x100; });
    u8(b, tekBayt ? 0 : 1);
    for (QChar c : s) {
        if (tekBayt)
            u8(b, static_cast<quint8>(c.unicode()));
        else
            u16(b, c.unicode());
    }
}
void metin8(QByteArray& b, const QString& s) {
    u8(b, static_cast<quint8>(s.size()));
    karakterler(b, s);
}
void metin16(QByteArray& b, const QString& s) {
    u16(b, static_cast<quint16>(s.size()));
    karakterler(b, s);
}

QByteArray kayitBaytlari(quint16 tur, const QByteArray& veri) {
    QByteArray b;
    u16(b, tur);
    u16(b, static_cast<quint16>(veri.size()));
    return b + veri;
}

QByteArray bof(quint16 tur) {
    QByteArray b;
    u16(b, 0x0600);
    u16(b, tur);
    u16(b, 0x0DBB);
    u16(b, 0x07CC);
    u32(b, 0);
    u32(b, 0x06);
    return kayitBaytlari(BOF, b);
}

QByteArray xf(int font, int bicim, bool stil, quint8 hiza) {
    QByteArray b;
    u16(b, static_cast<quint16>(font));
    u16(b, static_cast<quint16>(bicim));
    u16(b, stil ? 0xFFF5 : 0x0001); // locked; a style has no parent, a cell the Normal style
    u8(b, hiza | 0x20);             // vertical: bottom
    u8(b, 0);
    u8(b, 0);
    u8(b, stil ? 0x00 : 0xFC);
    u32(b, 0);
    u32(b, 0);
    u16(b, 0x20C0);
    return kayitBaytlari(XF, b);
}

// The drop-down arrow of one filtered column: a combo box shape anchored on
// the caption cell, and its OBJ record.
QByteArray okSekli(quint32 sekil, int kolon, int satir) {
    QByteArray fsp;
    u32(fsp, sekil);
    u32(fsp, 0x0A00); // it has an anchor and a shape type
    QByteArray ozellikler;
    for (const auto& [no, deger] : {std::pair<quint16, quint32>{0x007F, 0x01040104},
                                    {0x00BF, 0x00080008},
                                    {0x01BF, 0x00010000},
                                    {0x01FF, 0x00080000},
                                    {0x03BF, 0x000A0000}}) {
        u16(ozellikler, no);
        u32(ozellikler, deger);
    }
    QByteArray capa;
    u16(capa, 1);
    for (int v : {kolon, 0, satir, 0, kolon + 1, 0, satir + 1, 0}) u16(capa, static_cast<quint16>(v));
    return cizim(0x000F, 0xF004,
                 cizim(0x0C92, 0xF00A, fsp) + cizim(0x0053, 0xF00B, ozellikler) + cizim(0x0000, 0xF010, capa) + cizim(0x0000, 0xF011, {}));
}

QByteArray okNesnesi(int no) {
    QByteArray b;
    u16(b, 0x15); // common object data: a combo box
    u16(b, 0x12);
    u16(b, 0x14);
    u16(b, static_cast<quint16>(no));
    u16(b, 0x2101);
    b.append(12, '\0');
    u16(b, 0x0C); // scroll bar data
    u16(b, 0x14);
    b.append(20, '\0');
    u16(b, 0x13); // list box data
    u16(b, 0x10);
    for (quint16 v : {0, 0, 0, 0x0301, 0, 0x0002, 0x0014, 0x0082}) u16(b, v);
    u32(b, 0); // end
    return kayitBaytlari(OBJ, b);
}

// A built-in name of sheet `sayfa` (its entry in EXTERNSHEET) over an area.
QByteArray yerlesikAd(quint8 ad, bool gizli, int sayfa, int ilkSatir, int sonSatir, int ilkKolon, int sonKolon) {
    QByteArray b;
    u16(b, gizli ? 0x0021 : 0x0020); // built in, hidden or not
    u8(b, 0);
    u8(b, 1);
    u16(b, 11);
    u16(b, 0);
    u16(b, static_cast<quint16>(sayfa + 1));
    u32(b, 0);
    u8(b, 0);
    u8(b, ad);
    u8(b, ptgArea3d);
    for (int v : {sayfa, ilkSatir, sonSatir, ilkKolon, sonKolon}) u16(b, static_cast<quint16>(v));
    return kayitBaytlari(NAME, b);
}

} // namespace

struct ExcelKitabi::Sayfa {
    QString ad;
    std::unique_ptr<QTemporaryFile> govde;
    int sonSatir = -1;
    int sonKolon = -1;
    int baslik = -1;
    int baslikKolonu = 0;
    int enDerinDuzey = 0;
    QHash<int, int> genislik;
};

ExcelKitabi::ExcelKitabi() {
    // The workbook's own formats: general text and the bold caption.
    bicim(QString());
}

ExcelKitabi::~ExcelKitabi() = default;

double Kitap::tarihSayisi(int yil, int ay, int gun) { return static_cast<double>(QDate(1899, 12, 30).daysTo(QDate(yil, ay, gun))); }

int ExcelKitabi::bicim(const QString& sayiBicimi, bool kalin, bool sagaYasli) {
    const QString anahtar = sayiBicimi + u'|' + QString::number(kalin) + QString::number(sagaYasli);
    const auto it = xfAnahtar_.constFind(anahtar);
    if (it != xfAnahtar_.constEnd()) return it.value();
    int ifmt = 0;
    if (!sayiBicimi.isEmpty()) {
        qsizetype i = bicimler_.indexOf(sayiBicimi);
        if (i < 0) {
            bicimler_ << sayiBicimi;
            i = bicimler_.size() - 1;
        }
        ifmt = kIlkBicim + static_cast<int>(i);
    }
    xfler_ << QList<int>{kalin ? 1 : 0, ifmt, sagaYasli ? 3 : 0};
    const int no = kStilSayisi + static_cast<int>(xfler_.size()) - 1;
    xfAnahtar_.insert(anahtar, no);
    return no;
}

void ExcelKitabi::sayfaEkle(const QString& ad) {
    auto s = std::make_shared<Sayfa>();
    s->ad = ad.left(31);
    s->govde = std::make_unique<QTemporaryFile>();
    if (!s->govde->open()) hata_ = true;
    sayfalar_ << s;
}

void ExcelKitabi::hucreYaz(const QByteArray& k, int satir, int kolon) {
    if (sayfalar_.isEmpty() || hata_) return;
    Sayfa& s = *sayfalar_.last();
    if (s.govde->write(k) != k.size()) hata_ = true;
    s.sonSatir = qMax(s.sonSatir, satir);
    s.sonKolon = qMax(s.sonKolon, kolon);
}

void ExcelKitabi::metin(int satir, int kolon, const QString& m, int xfNo) {
    const QString kisa = m.left(kEnUzunMetin);
    auto it = metinNo_.constFind(kisa);
    if (it == metinNo_.constEnd()) {
        it = metinNo_.insert(kisa, static_cast<quint32>(metinler_.size()));
        metinler_ << kisa;
    }
    ++metinKullanimi_;
    QByteArray b;
    u16(b, static_cast<quint16>(satir));
    u16(b, static_cast<quint16>(kolon));
    u16(b, static_cast<quint16>(xfNo));
    u32(b, it.value());
    hucreYaz(kayitBaytlari(LABELSST, b), satir, kolon);
    if (!sayfalar_.isEmpty()) {
        int& g = sayfalar_.last()->genislik[kolon];
        g = qMax(g, static_cast<int>(qMin(m.size(), qsizetype(60))));
    }
}

void ExcelKitabi::sayi(int satir, int kolon, double d, int xfNo) {
    QByteArray b;
    u16(b, static_cast<quint16>(satir));
    u16(b, static_cast<quint16>(kolon));
    u16(b, static_cast<quint16>(xfNo));
    f64(b, d);
    hucreYaz(kayitBaytlari(NUMBER, b), satir, kolon);
    if (!sayfalar_.isEmpty()) {
        int& g = sayfalar_.last()->genislik[kolon];
        g = qMax(g, 14);
    }
}

void ExcelKitabi::altToplam(int satir, int kolon, int islev, const QList<Aralik>& araliklar, double sonuc, int xfNo) {
    QByteArray f;
    u8(f, ptgInt);
    u16(f, static_cast<quint16>(islev));
    const bool tekSayfa = araliklar.size() == 1 && araliklar.first().sayfa == sayfaNo();
    for (const Aralik& a : araliklar) {
        if (tekSayfa) {
            u8(f, ptgArea);
        } else {
            u8(f, ptgArea3d);
            u16(f, static_cast<quint16>(a.sayfa)); // the sheet's entry in EXTERNSHEET
        }
        u16(f, static_cast<quint16>(a.ilk));
        u16(f, static_cast<quint16>(a.son));
        u16(f, static_cast<quint16>(a.kolon));
        u16(f, static_cast<quint16>(a.kolon));
    }
    u8(f, ptgFuncVar);
    u8(f, static_cast<quint8>(1 + araliklar.size()));
    u16(f, kSubtotal);
    QByteArray b;
    u16(b, static_cast<quint16>(satir));
    u16(b, static_cast<quint16>(kolon));
    u16(b, static_cast<quint16>(xfNo));
    f64(b, sonuc);
    u16(b, 0);
    u32(b, 0);
    u16(b, static_cast<quint16>(f.size()));
    hucreYaz(kayitBaytlari(FORMULA, b + f), satir, kolon);
    if (!sayfalar_.isEmpty()) {
        int& g = sayfalar_.last()->genislik[kolon];
        g = qMax(g, 14);
    }
}

void ExcelKitabi::satirDuzeyi(int satir, int duzey) {
    if (duzey <= 0 || sayfalar_.isEmpty()) return;
    QByteArray b;
    u16(b, static_cast<quint16>(satir));
    u16(b, 0);
    u16(b, 0);
    u16(b, 0x00FF); // the default height
    u16(b, 0);
    u16(b, 0);
    u16(b, static_cast<quint16>(0x0100 | (duzey & 0x07))); // level; the reserved bit set
    u16(b, 0x000F);                                        // the default cell format
    hucreYaz(kayitBaytlari(ROW, b), satir, 0);
    sayfalar_.last()->enDerinDuzey = qMax(sayfalar_.last()->enDerinDuzey, duzey);
}

void ExcelKitabi::baslikSatiri(int satir, int kolonSayisi) {
    if (sayfalar_.isEmpty()) return;
    sayfalar_.last()->baslik = satir;
    sayfalar_.last()->baslikKolonu = kolonSayisi;
}

void ExcelKitabi::kolonGenisligi(int kolon, int karakter) {
    if (sayfalar_.isEmpty()) return;
    int& g = sayfalar_.last()->genislik[kolon];
    g = qMax(g, karakter);
}

QByteArray ExcelKitabi::paylasilanMetinler(quint32 konum) const {
    // SST and its CONTINUE records; a text's characters may run on into the
    // next record, which then starts with their width flag again. EXTSST
    // points at every `adim`-th text, for readers that look them up.
    const int adim = qMax(8, static_cast<int>((metinler_.size() + 127) / 128));
    QByteArray kayitlar, veri, isaretler;
    u32(veri, metinKullanimi_);
    u32(veri, static_cast<quint32>(metinler_.size()));
    quint16 tur = SST;
    auto kapat = [&] {
        kayitlar += kayitBaytlari(tur, veri);
        veri.clear();
        tur = CONTINUE;
    };
    for (int i = 0; i < metinler_.size(); ++i) {
        const QString& m = metinler_.at(i);
        const bool genis = std::any_of(m.cbegin(), m.cend(), [](QChar c) { return c.unicode() >= 0x100; });
        const int karakter = genis ? 2 : 1;
        if (veri.size() + 3 + karakter > kKayitVerisi) kapat(); // a text's head never parts from its first character
        if (i % adim == 0) {
            u32(isaretler, konum + static_cast<quint32>(kayitlar.size() + 4 + veri.size()));
            u16(isaretler, static_cast<quint16>(4 + veri.size()));
            u16(isaretler, 0);
        }
        u16(veri, static_cast<quint16>(m.size()));
        u8(veri, genis ? 1 : 0);
        for (qsizetype k = 0; k < m.size(); ++k) {
            if (veri.size() + karakter > kKayitVerisi) {
                kapat();
                u8(veri, genis ? 1 : 0);
            }
            if (genis)
                u16(veri, m.at(k).unicode());
            else
                u8(veri, static_cast<quint8>(m.at(k).unicode()));
        }
    }
    kapat();
    QByteArray ext;
    u16(ext, static_cast<quint16>(adim));
    return kayitlar + kayitBaytlari(EXTSST, ext + isaretler);
}

QByteArray ExcelKitabi::genel(const QList<quint32>& konumlar, const QByteArray& sst) const {
    QByteArray g = bof(0x0005);
    QByteArray b;
    u16(b, 1200); // the texts are Unicode
    g += kayitBaytlari(CODEPAGE, b);
    b.clear();
    for (quint16 v : {0, 0, 0x3000, 0x2000, 0x0038, 0, 0, 1, 0x0258}) u16(b, v);
    g += kayitBaytlari(WINDOW1, b);
    b.clear();
    u16(b, 0);
    g += kayitBaytlari(DATEMODE, b);
    // Five fonts (the format skips number 4); number 1 is the bold one.
    for (int i = 0; i < 5; ++i) {
        b.clear();
        u16(b, 200);
        u16(b, 0);
        u16(b, 0x7FFF);
        u16(b, i == 1 ? 700 : 400);
        u16(b, 0);
        u8(b, 0);
        u8(b, 0);
        u8(b, 162); // Turkish character set
        u8(b, 0);
        metin8(b, QStringLiteral("Arial"));
        g += kayitBaytlari(FONT, b);
    }
    for (int i = 0; i < bicimler_.size(); ++i) {
        b.clear();
        u16(b, static_cast<quint16>(kIlkBicim + i));
        metin16(b, bicimler_.at(i));
        g += kayitBaytlari(FORMAT, b);
    }
    for (int i = 0; i < kStilSayisi - 1; ++i) g += xf(0, 0, true, 0);
    g += xf(0, 0, false, 0);
    for (const QList<int>& x : xfler_) g += xf(x.at(0), x.at(1), false, static_cast<quint8>(x.at(2)));
    b.clear();
    u16(b, 0x8000);
    u8(b, 0);
    u8(b, 0xFF);
    g += kayitBaytlari(STYLE, b);
    for (int i = 0; i < sayfalar_.size(); ++i) {
        b.clear();
        u32(b, konumlar.value(i));
        u16(b, 0);
        metin8(b, sayfalar_.at(i)->ad);
        g += kayitBaytlari(BOUNDSHEET, b);
    }
    // The auto-filter of each sheet is a hidden name over its caption row
    // and the rows below, referring to the sheet through the link tables.
    b.clear();
    u16(b, static_cast<quint16>(sayfalar_.size()));
    u16(b, 0x0401);
    g += kayitBaytlari(SUPBOOK, b);
    b.clear();
    u16(b, static_cast<quint16>(sayfalar_.size()));
    for (int i = 0; i < sayfalar_.size(); ++i) {
        u16(b, 0);
        u16(b, static_cast<quint16>(i));
        u16(b, static_cast<quint16>(i));
    }
    g += kayitBaytlari(EXTERNSHEET, b);
    // The caption row printed on every page (Print_Titles), and the
    // auto-filter's range, a hidden _FilterDatabase: built-in names of the sheet.
    for (int i = 0; i < sayfalar_.size(); ++i) {
        const Sayfa& s = *sayfalar_.at(i);
        if (s.baslik < 0) continue;
        g += yerlesikAd(0x07, false, i, s.baslik, s.baslik, 0, 0xFF);
        if (s.baslikKolonu > 0) g += yerlesikAd(0x0D, true, i, s.baslik, qMax(s.baslik, s.sonSatir), 0, s.baslikKolonu - 1);
    }
    // The drawing group of the filter arrows: one drawing per sheet with an
    // auto-filter, its arrows numbered in that drawing's block.
    QByteArray kumeler;
    quint32 cizimler = 0, sekiller = 0, enBuyuk = 0;
    for (int i = 0; i < sayfalar_.size(); ++i) {
        const Sayfa& s = *sayfalar_.at(i);
        if (s.baslik < 0 || s.baslikKolonu <= 0) continue;
        ++cizimler;
        const quint32 n = static_cast<quint32>(s.baslikKolonu) + 1;
        u32(kumeler, static_cast<quint32>(i + 1));
        u32(kumeler, n);
        sekiller += n;
        enBuyuk = (static_cast<quint32>(i) + 1) * kSekilBlogu + n - 1;
    }
    if (cizimler > 0) {
        b.clear();
        u32(b, enBuyuk + 1);
        u32(b, cizimler + 1);
        u32(b, sekiller);
        u32(b, cizimler);
        g += kayitBaytlari(MSODRAWINGGROUP, cizim(0x000F, 0xF000, cizim(0x0000, 0xF006, b + kumeler)));
    }
    return g + sst + kayitBaytlari(EOF_, {});
}

QByteArray ExcelKitabi::sayfaBasi(const Sayfa& s) const {
    QByteArray h = bof(0x0010);
    auto kayit = [&h](quint16 tur, const QByteArray& veri) { h += kayitBaytlari(tur, veri); };
    QByteArray b;
    // Folding groups: the outline's gutter and levels; totals below their rows.
    u16(b, 0);
    u16(b, 0);
    u16(b, static_cast<quint16>(s.enDerinDuzey > 0 ? s.enDerinDuzey + 1 : 0));
    u16(b, 0);
    kayit(GUTS, b);
    b.clear();
    u16(b, 0x01C1 | (s.enDerinDuzey > 0 ? 0x0400 : 0)); // fit to page, totals below and right, the outline shown
    kayit(WSBOOL, b);
    for (const auto& [tur, twip] : {std::pair{LEFTMARGIN, baski_.sol}, std::pair{RIGHTMARGIN, baski_.sag}, std::pair{TOPMARGIN, baski_.ust},
                                    std::pair{BOTTOMMARGIN, baski_.alt}}) {
        b.clear();
        f64(b, twip / 1440.0);
        kayit(tur, b);
    }
    int genislik = 0;
    for (auto it = s.genislik.cbegin(); it != s.genislik.cend(); ++it) genislik += qBound(6, it.value() + 2, 62);
    b.clear();
    u16(b, 9);   // A4
    u16(b, 100); // scale, unused when fitting
    u16(b, 1);
    u16(b, 1); // one page wide
    u16(b, 0); // as many pages down as it takes
    u16(b, genislik > kDikeyKarakter ? 0x0000 : 0x0002);
    u16(b, 600);
    u16(b, 600);
    f64(b, 0.3);
    f64(b, 0.3);
    u16(b, 1);
    kayit(SETUP, b);
    for (auto it = s.genislik.cbegin(); it != s.genislik.cend(); ++it) {
        b.clear();
        u16(b, static_cast<quint16>(it.key()));
        u16(b, static_cast<quint16>(it.key()));
        u16(b, static_cast<quint16>(qBound(6, it.value() + 2, 62) * 256));
        u16(b, 15);
        u16(b, 0);
        u16(b, 0);
        h += kayitBaytlari(COLINFO, b);
    }
    if (s.baslik >= 0 && s.baslikKolonu > 0) {
        b.clear();
        u16(b, static_cast<quint16>(s.baslikKolonu));
        h += kayitBaytlari(AUTOFILTERINFO, b);
    }
    b.clear();
    u32(b, 0);
    u32(b, static_cast<quint32>(s.sonSatir + 1));
    u16(b, 0);
    u16(b, static_cast<quint16>(s.sonKolon + 1));
    u16(b, 0);
    return h + kayitBaytlari(DIMENSIONS, b);
}

QByteArray ExcelKitabi::sayfaSonu(const Sayfa& s, bool ilk, int no) const {
    const bool dondur = s.baslik >= 0;
    QByteArray t;
    if (s.baslik >= 0 && s.baslikKolonu > 0) {
        // The filter's arrows over the captions: the sheet's drawing, the
        // first record opening its containers for all the shapes that follow.
        const quint32 blok = static_cast<quint32>(no + 1) * kSekilBlogu;
        QByteArray oklar;
        for (int c = 0; c < s.baslikKolonu; ++c) oklar += okSekli(blok + 1 + static_cast<quint32>(c), c, s.baslik);
        const qsizetype birOk = oklar.size() / s.baslikKolonu;
        QByteArray grup;
        u32(grup, 0);
        u32(grup, 0);
        u32(grup, 0);
        u32(grup, 0);
        QByteArray ata;
        u32(ata, blok);
        u32(ata, 0x0005); // the group that holds the sheet's shapes
        const QByteArray kok = cizim(0x000F, 0xF004, cizim(0x0001, 0xF009, grup) + cizim(0x0002, 0xF00A, ata));
        QByteArray dg;
        u32(dg, static_cast<quint32>(s.baslikKolonu) + 1);
        u32(dg, blok + static_cast<quint32>(s.baslikKolonu));
        const QByteArray fdg = cizim(static_cast<quint16>(((no + 1) << 4) | 0), 0xF008, dg);
        const quint32 grupUzunlugu = static_cast<quint32>(kok.size() + oklar.size());
        const QByteArray grupBasi = cizim(0x000F, 0xF003, {}, grupUzunlugu);
        const QByteArray kap = cizim(0x000F, 0xF002, {}, static_cast<quint32>(fdg.size() + grupBasi.size()) + grupUzunlugu);
        for (int c = 0; c < s.baslikKolonu; ++c) {
            const QByteArray ok = oklar.mid(c * birOk, birOk);
            t += kayitBaytlari(MSODRAWING, c == 0 ? kap + fdg + grupBasi + kok + ok : ok);
            t += okNesnesi(c + 1);
        }
    }
    QByteArray b;
    quint16 bayrak = 0x0002 | 0x0004 | 0x0010 | 0x0020 | 0x0080;
    if (ilk) bayrak |= 0x0200 | 0x0400;
    if (dondur) bayrak |= 0x0008 | 0x0100;
    u16(b, bayrak);
    u16(b, 0);
    u16(b, 0);
    u16(b, 0x40);
    u16(b, 0);
    u16(b, 0);
    u16(b, 0);
    u32(b, 0);
    t += kayitBaytlari(WINDOW2, b);
    if (dondur) {
        b.clear();
        u16(b, 0);
        u16(b, static_cast<quint16>(s.baslik + 1));
        u16(b, static_cast<quint16>(s.baslik + 1));
        u16(b, 0);
        u16(b, 2);
        t += kayitBaytlari(PANE, b);
    }
    return t + kayitBaytlari(EOF_, {});
}

bool ExcelKitabi::yaz(const QString& dosya) {
    if (hata_) return false;
    if (sayfalar_.isEmpty()) sayfaEkle(QStringLiteral("Sayfa1"));
    QList<QByteArray> baslar, sonlar;
    QList<quint32> konumlar;
    for (int i = 0; i < sayfalar_.size(); ++i) {
        baslar << sayfaBasi(*sayfalar_.at(i));
        sonlar << sayfaSonu(*sayfalar_.at(i), i == 0, i);
    }
    // The string table stands at the end of the globals, whose size does not
    // depend on where the sheets start.
    const quint32 sstYeri = static_cast<quint32>(genel(QList<quint32>(sayfalar_.size(), 0), {}).size() - 4);
    const QByteArray sst = paylasilanMetinler(sstYeri);
    quint32 konum = static_cast<quint32>(genel(QList<quint32>(sayfalar_.size(), 0), sst).size());
    for (int i = 0; i < sayfalar_.size(); ++i) {
        konumlar << konum;
        konum += static_cast<quint32>(baslar.at(i).size() + sayfalar_.at(i)->govde->size() + sonlar.at(i).size());
    }
    const QByteArray g = genel(konumlar, sst);

    gsf_init();
    GError* hata = nullptr;
    GsfOutput* cikti = gsf_output_stdio_new(QFile::encodeName(dosya).constData(), &hata);
    if (!cikti) {
        if (hata) g_error_free(hata);
        return false;
    }
    GsfOutfile* ole = gsf_outfile_msole_new(cikti);
    GsfOutput* kitap = gsf_outfile_new_child(ole, "Workbook", FALSE);
    bool tamam = gsf_output_write(kitap, static_cast<size_t>(g.size()), reinterpret_cast<const guint8*>(g.constData()));
    for (int i = 0; i < sayfalar_.size() && tamam; ++i) {
        QTemporaryFile& govde = *sayfalar_.at(i)->govde;
        tamam =
            gsf_output_write(kitap, static_cast<size_t>(baslar.at(i).size()), reinterpret_cast<const guint8*>(baslar.at(i).constData()));
        govde.seek(0);
        while (tamam && !govde.atEnd()) {
            const QByteArray parca = govde.read(1 << 16);
            if (parca.isEmpty()) break;
            tamam = gsf_output_write(kitap, static_cast<size_t>(parca.size()), reinterpret_cast<const guint8*>(parca.constData()));
        }
        if (tamam)
            tamam = gsf_output_write(kitap, static_cast<size_t>(sonlar.at(i).size()),
                                     reinterpret_cast<const guint8*>(sonlar.at(i).constData()));
    }
    tamam = gsf_output_close(kitap) && tamam;
    g_object_unref(kitap);
    tamam = gsf_output_close(GSF_OUTPUT(ole)) && tamam;
    g_object_unref(ole);
    // The file takes its name only when its sink closes.
    if (!gsf_output_is_closed(cikti)) tamam = gsf_output_close(cikti) && tamam;
    g_object_unref(cikti);
    return tamam;
}

} // namespace Bant
