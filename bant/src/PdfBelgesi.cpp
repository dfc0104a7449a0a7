#include "PdfBelgesi.h"

#include <algorithm>
#include <vector>
#include <cstring>
#include <initializer_list>
#include "bant/SayfaCizici.h"
#include "Sigdirma.h"

#include <QDateTime>
#include <QtEndian>

namespace Bant {

namespace {

// A text's glyphs as a literal string of their codes, which need no escapes.
void dizgiYaz(IcerikTamponu& c, GlifKodlari& kodlar, const QList<quint32>& glifler, qsizetype n) {
    char* const bas = c.yer(2 * static_cast<size_t>(n));
    char* p = bas;
    const quint32* g = glifler.constData();
    for (qsizetype i = 0; i < n; ++i) p = kodlar.yaz(p, g[i]);
    c.ilerle(static_cast<size_t>(p - bas));
}

// The character collection of a face whose CIDs are its glyph numbers.
const QByteArray kKimlikSistemi = QByteArrayLiteral("<< /Registry (Adobe) /Ordering (Identity) /Supplement 0 >>");

QByteArray pdfMetni(const QString& s) {
    // UTF-16BE with its byte order mark: any title survives.
    QByteArray b("<FEFF");
    for (QChar c : s) b += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return b + '>';
}

// Plain ASCII as a literal string, anything else as UTF-16.
QByteArray pdfDizgisi(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E || c == u'(' || c == u')' || c == u'\\') return pdfMetni(s);
    return '(' + s.toLatin1() + ')';
}

} // namespace

QByteArray PdfBelgesi::sayi(double d) {
    if (d == static_cast<qint64>(d)) return QByteArray::number(static_cast<qint64>(d));
    return QByteArray::number(d, 'f', 2);
}

PdfBelgesi::PdfBelgesi(QFileDevice& dosya, const QString& baslik, const QString& yaratan, const YaziTipi& yazi)
    : dosya_(dosya), baslik_(baslik), yaratan_(yaratan), yazi_(yazi) {
    if (!yuzHazirla(normal_, false) || !yuzHazirla(kalin_, true)) return;
    if (!dosya_.isWritable()) return;
    acik_ = true;
    yaz("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    katalog_ = yeniNesne();
    sayfaAgaci_ = yeniNesne();
    normal_.nesne = yeniNesne();
    kalin_.nesne = yeniNesne();
}

int PdfBelgesi::yeniNesne() {
    konumlar_ << 0;
    return static_cast<int>(konumlar_.size());
}

void PdfBelgesi::yaz(const QByteArray& b) {
    if (dosya_.write(b) != b.size()) yazmaHatasi_ = true;
    konum_ += b.size();
}

void PdfBelgesi::nesneBasla(int no) {
    konumlar_[no - 1] = konum_;
    yaz(QByteArray::number(no) + " 0 obj\n");
}

void PdfBelgesi::akisYaz(int no, QByteArrayView veri, const QByteArray& sozluk) {
    const QByteArray sikisik = sikistirici_.sikistir(veri);
    if (sikisik.isEmpty()) yazmaHatasi_ = true;
    nesneBasla(no);
    yaz("<< /Length " + QByteArray::number(sikisik.size()) + " /Filter /FlateDecode" + sozluk + " >>\nstream\n");
    yaz(sikisik);
    yaz("\nendstream\nendobj\n");
}

bool PdfBelgesi::yuzHazirla(Yuz& y, bool kalin) {
    QFont f = SayfaCizici::yaziTipi(yazi_, kalin);
    const QRawFont olcu = QRawFont::fromFont(f);
    if (!olcu.isValid()) return false;
    y.birim = qRound(olcu.unitsPerEm());
    // Design metrics: the font at one pixel per unit, no hinting.
    y.tasarim = olcu;
    y.tasarim.setPixelSize(y.birim);
    y.ust = y.tasarim.ascent();
    y.glifler = GlifTablosu(y.tasarim);
    y.ad = olcu.familyName().remove(u' ') + (kalin ? QStringLiteral("-Bold") : QString());
    return y.tasarim.isValid() && !y.tasarim.fontTable("glyf").isEmpty();
}

void PdfBelgesi::sayfaYaz(const Sayfa& s) {
    IcerikTamponu& c = icerik_;
    c.bosalt();
    // Twips with the origin at the top left; text is flipped back upright.
    c.ekle("0.05 0 0 -0.05 0 ");
    c.ekle(sayi(Birim::nokta(s.yukseklik)));
    c.ekle(" cm 15 w 0 J\n");
    // Numbers are written in place, without a temporary each: a page has hundreds.
    const auto sayilar = [&c](std::initializer_list<qint64> yuzdeler, QByteArrayView komut) {
        for (qint64 h : yuzdeler) {
            c.yuzde(h);
            c.ekle(' ');
        }
        c.ekle(komut);
    };
    for (const SayfaOgesi& o : s.ogeler) {
        const QRect& a = o.alan;
        if (o.tur == SayfaOgesi::Tur::Kutu) {
            sayilar({qRound64(o.renk.redF() * 100), qRound64(o.renk.greenF() * 100), qRound64(o.renk.blueF() * 100)}, "rg ");
            sayilar({a.left() * 100LL, a.top() * 100LL, a.width() * 100LL, a.height() * 100LL}, "re f 0 g\n");
        } else if (o.tur == SayfaOgesi::Tur::Cizgi) {
            sayilar({a.left() * 100LL, a.top() * 100LL}, "m ");
            sayilar({a.right() * 100LL, a.bottom() * 100LL}, "l S\n");
        }
    }
    c.ekle("BT\n");
    const Yuz* etkin = nullptr;
    GlifTablosu::Dizi dizi;
    bool satirda = false;
    qint64 oncekiX = 0, oncekiUst = 0;
    for (const SayfaOgesi& o : s.ogeler) {
        if (o.tur != SayfaOgesi::Tur::Metin || o.metin.isEmpty()) continue;
        Yuz& y = o.kalin ? kalin_ : normal_;
        const QStringView metin = Gorunebilen(o.metin, o.alan, o.hiza, yazi_.boyut);
        y.glifler.diz(metin, dizi);
        const qreal olcek = static_cast<qreal>(yazi_.boyut) / y.birim;
        const Sigdirma yer = Metni_Sigdir(o.alan, o.hiza, dizi.sayi, dizi.genislik, olcek, [&] { return dizi.ilerlemeler; });
        if (etkin != &y) {
            c.ekle(o.kalin ? kalinSecimi_ : normalSecimi_);
            etkin = &y;
        }
        // A line's first text is placed absolutely, the next ones on the same
        // line by a move along it: a fifth fewer bytes to compress, and each
        // line's height still exact (viewers add moves up in floating point).
        const qint64 x = qRound64(yer.x * 100), ust = qRound64((o.alan.top() + y.ust * olcek) * 100);
        if (satirda && ust == oncekiUst) {
            c.yuzde(x - oncekiX);
            c.ekle(" 0 Td (");
        } else {
            c.ekle("1 0 0 -1 ");
            c.yuzde(x);
            c.ekle(' ');
            c.yuzde(ust);
            c.ekle(" Tm (");
        }
        satirda = true;
        oncekiX = x;
        oncekiUst = ust;
        dizgiYaz(c, y.kodlar, dizi.glifler, yer.glifSayisi);
        c.ekle(") Tj\n");
    }
    c.ekle("ET\n");
    const int icerik = yeniNesne();
    akisYaz(icerik, c.veri());
    const int sayfa = yeniNesne();
    nesneBasla(sayfa);
    yaz("<< /Type /Page /Parent " + QByteArray::number(sayfaAgaci_) + " 0 R /MediaBox [0 0 " + sayi(Birim::nokta(s.genislik)) + ' ' +
        sayi(Birim::nokta(s.yukseklik)) + "] /Resources << /Font << /F1 " + QByteArray::number(normal_.nesne) + " 0 R /F2 " +
        QByteArray::number(kalin_.nesne) + " 0 R >> >> /Contents " + QByteArray::number(icerik) + " 0 R >>\nendobj\n");
    sayfalar_ << sayfa;
}

QByteArray PdfBelgesi::yaziTipiDosyasi(const QRawFont& f) {
    // The tables a PDF reader needs of a TrueType font, in a file of their own.
    const char* etiketler[] = {"OS/2", "cmap", "cvt ", "fpgm", "gasp", "glyf", "head",
                               "hhea", "hmtx", "loca", "maxp", "name", "post", "prep"};
    QList<std::pair<QByteArray, QByteArray>> tablolar;
    for (const char* e : etiketler) {
        const QByteArray t = f.fontTable(e);
        if (!t.isEmpty()) tablolar.append({QByteArray(e, 4), t});
    }
    const quint16 n = static_cast<quint16>(tablolar.size());
    quint16 ustSinir = 1, us = 0;
    while (ustSinir * 2 <= n) {
        ustSinir *= 2;
        ++us;
    }
    QByteArray b;
    auto u16 = [&b](quint16 v) {
        char t[2];
        qToBigEndian(v, t);
        b.append(t, 2);
    };
    auto u32 = [&b](quint32 v) {
        char t[4];
        qToBigEndian(v, t);
        b.append(t, 4);
    };
    u32(0x00010000);
    u16(n);
    u16(ustSinir * 16);
    u16(us);
    u16(n * 16 - ustSinir * 16);
    quint32 konum = 12 + 16u * n;
    for (const auto& [etiket, veri] : tablolar) {
        quint32 toplam = 0;
        QByteArray dolgu = veri;
        while (dolgu.size() % 4) dolgu.append('\0');
        for (qsizetype i = 0; i < dolgu.size(); i += 4) toplam += qFromBigEndian<quint32>(dolgu.constData() + i);
        b.append(etiket);
        u32(toplam);
        u32(konum);
        u32(static_cast<quint32>(veri.size()));
        konum += static_cast<quint32>(dolgu.size());
    }
    for (const auto& t : tablolar) {
        b.append(t.second);
        while (b.size() % 4) b.append('\0');
    }
    return b;
}

void PdfBelgesi::yuzYaz(Yuz& y) {
    const int tanim = yeniNesne(), tanimlayici = yeniNesne(), dosya = yeniNesne(), unicode = yeniNesne(), kodlar = yeniNesne();
    const QByteArray ad = y.ad.toLatin1();
    const qreal olcek = 1000.0 / y.birim;
    // Each laid-out glyph's character, by glyph number (0: none), for the Unicode map.
    std::vector<char32_t> karakter;
    y.glifler.kullanilanlar([&karakter](quint32 g, char16_t k) {
        if (g >= karakter.size()) karakter.resize(g + 1, 0);
        karakter[g] = k;
    });
    QList<quint32> glifler;
    for (const auto& v : y.kodlar.verilenler()) glifler << v.second;
    std::sort(glifler.begin(), glifler.end());
    const QList<QPointF> ilerleme = y.tasarim.advancesForGlyphIndexes(glifler);
    QByteArray genislikler;
    for (qsizetype i = 0; i < glifler.size(); ++i)
        genislikler += QByteArray::number(glifler.at(i)) + " [" + QByteArray::number(qRound(ilerleme.at(i).x() * olcek)) + "] ";

    nesneBasla(y.nesne);
    yaz("<< /Type /Font /Subtype /Type0 /BaseFont /" + ad + " /Encoding " + QByteArray::number(kodlar) + " 0 R /DescendantFonts [" +
        QByteArray::number(tanim) + " 0 R] /ToUnicode " + QByteArray::number(unicode) + " 0 R >>\nendobj\n");
    nesneBasla(tanim);
    yaz("<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + ad + " /CIDSystemInfo " + kKimlikSistemi + " /FontDescriptor " +
        QByteArray::number(tanimlayici) + " 0 R /CIDToGIDMap /Identity /DW 500 /W [" + genislikler + "] >>\nendobj\n");
    nesneBasla(tanimlayici);
    yaz("<< /Type /FontDescriptor /FontName /" + ad + " /Flags 32 /FontBBox [-300 -300 1300 1000] /ItalicAngle 0 /Ascent " +
        QByteArray::number(qRound(y.tasarim.ascent() * olcek)) + " /Descent -" + QByteArray::number(qRound(y.tasarim.descent() * olcek)) +
        " /CapHeight 700 /StemV 80 /FontFile2 " + QByteArray::number(dosya) + " 0 R >>\nendobj\n");
    const QByteArray ttf = yaziTipiDosyasi(y.tasarim);
    akisYaz(dosya, ttf, " /Length1 " + QByteArray::number(ttf.size()));
    akisYaz(unicode, y.kodlar.unicodeCmap([&karakter](quint32 g) { return g < karakter.size() ? karakter[g] : char32_t(0); }));
    const QByteArray cmapAdi = ad + "-Kodlar";
    akisYaz(kodlar, y.kodlar.glifCmap(cmapAdi), " /Type /CMap /CMapName /" + cmapAdi + " /CIDSystemInfo " + kKimlikSistemi);
}

bool PdfBelgesi::kapat() {
    if (!acik_) return false;
    acik_ = false;
    yuzYaz(normal_);
    yuzYaz(kalin_);
    nesneBasla(sayfaAgaci_);
    QByteArray kids;
    for (int s : sayfalar_) kids += QByteArray::number(s) + " 0 R ";
    yaz("<< /Type /Pages /Count " + QByteArray::number(sayfalar_.size()) + " /Kids [" + kids + "] >>\nendobj\n");
    nesneBasla(katalog_);
    yaz("<< /Type /Catalog /Pages " + QByteArray::number(sayfaAgaci_) + " 0 R >>\nendobj\n");
    const int bilgi = yeniNesne();
    nesneBasla(bilgi);
    yaz("<< /Title " + pdfMetni(baslik_) + " /Creator " + pdfDizgisi(yaratan_) +
        " /CreationDate (D:" + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + "Z) >>\nendobj\n");
    const qint64 xref = konum_;
    QByteArray x = "xref\n0 " + QByteArray::number(konumlar_.size() + 1) + "\n0000000000 65535 f \n";
    for (qint64 k : konumlar_) x += QByteArray::number(k).rightJustified(10, '0') + " 00000 n \n";
    yaz(x);
    yaz("trailer\n<< /Size " + QByteArray::number(konumlar_.size() + 1) + " /Root " + QByteArray::number(katalog_) + " 0 R /Info " +
        QByteArray::number(bilgi) + " 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n");
    if (!dosya_.flush()) yazmaHatasi_ = true;
    return !yazmaHatasi_ && dosya_.error() == QFileDevice::NoError;
}

} // namespace Bant
