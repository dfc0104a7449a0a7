#include "PngKodu.h"

#include <QIODevice>
#include <QImage>
#include <csetjmp>
#include <png.h>
#include <vector>

namespace Bant {

namespace {

constexpr int kSikistirma = 4;

struct Cikis {
    QIODevice* hedef;
    bool hata;
};

void yaz(png_structp p, png_bytep veri, png_size_t n) {
    auto* c = static_cast<Cikis*>(png_get_io_ptr(p));
    if (c->hedef->write(reinterpret_cast<const char*>(veri), static_cast<qint64>(n)) != static_cast<qint64>(n)) {
        c->hata = true;
        png_error(p, "write failed"); // a full disk: stop at once
    }
}
void bosalt(png_structp) {}
void uyari(png_structp, png_const_charp) {}
[[noreturn]] void hata(png_structp p, png_const_charp) { png_longjmp(p, 1); }

// The page's grey levels, one byte a pixel; empty when any pixel has colour.
std::vector<uchar> griDuzeyler(const QImage& r) {
    const int w = r.width(), yukseklik = r.height(); // QImage's getters are calls, not inlined
    std::vector<uchar> g(static_cast<size_t>(w) * static_cast<size_t>(yukseklik));
    uchar* h = g.data();
    for (int y = 0; y < yukseklik; ++y) {
        const auto* k = reinterpret_cast<const QRgb*>(r.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const QRgb c = k[x];
            const uchar b = static_cast<uchar>(c);
            if (static_cast<uchar>(c >> 8) != b || static_cast<uchar>(c >> 16) != b) return {};
            *h++ = b;
        }
    }
    return g;
}

// libpng leaves by longjmp on an error: nothing with a destructor may be
// made between the jump point and the end, so the rows are ready before.
bool pngYaz(const QImage& r, const std::vector<uchar>& gri, Cikis& cikis, int dpi) {
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, hata, uyari);
    if (!p) return false;
    png_infop bilgi = png_create_info_struct(p);
    if (!bilgi || setjmp(png_jmpbuf(p))) {
        png_destroy_write_struct(&p, &bilgi);
        return false;
    }
    const auto w = static_cast<png_uint_32>(r.width());
    const auto h = static_cast<png_uint_32>(r.height());
    png_set_write_fn(p, &cikis, yaz, bosalt);
    png_set_IHDR(p, bilgi, w, h, 8, gri.empty() ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const auto nokta = static_cast<png_uint_32>(qRound(dpi / 0.0254));
    png_set_pHYs(p, bilgi, nokta, nokta, PNG_RESOLUTION_METER);
    png_set_filter(p, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(p, kSikistirma);
    png_write_info(p, bilgi);
    if (gri.empty()) {
        // RGB32 holds each pixel as one 32-bit word: the byte order is the machine's.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(p);
        png_set_filler(p, 0, PNG_FILLER_AFTER);
#else
        png_set_filler(p, 0, PNG_FILLER_BEFORE);
#endif
        for (png_uint_32 y = 0; y < h; ++y) png_write_row(p, r.constScanLine(static_cast<int>(y)));
    } else {
        for (png_uint_32 y = 0; y < h; ++y) png_write_row(p, gri.data() + static_cast<size_t>(y) * w);
    }
    png_write_end(p, bilgi);
    png_destroy_write_struct(&p, &bilgi);
    return !cikis.hata;
}

} // namespace

bool Png_Yaz(const QImage& resim, QIODevice& hedef, int dpi) {
    const QImage r = resim.format() == QImage::Format_RGB32 ? resim : resim.convertToFormat(QImage::Format_RGB32);
    if (r.isNull()) return false;
    const std::vector<uchar> gri = griDuzeyler(r);
    Cikis cikis{&hedef, false};
    return pngYaz(r, gri, cikis, dpi);
}

} // namespace Bant
