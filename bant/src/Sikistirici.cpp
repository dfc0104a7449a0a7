#include "Sikistirici.h"

#include <libdeflate.h>

namespace Bant {

// libdeflate compresses a whole buffer in one call, several times faster
// than zlib's streaming deflate at the same ratio; a page's content is
// always whole when it is compressed.
struct Sikistirici::Durum {
    libdeflate_compressor* c = nullptr;
};

Sikistirici::Sikistirici(int duzey) : d_(std::make_unique<Durum>()) { d_->c = libdeflate_alloc_compressor(duzey); }

Sikistirici::~Sikistirici() {
    if (d_->c) libdeflate_free_compressor(d_->c);
}

QByteArray Sikistirici::sikistir(QByteArrayView veri) {
    if (!d_->c) return {};
    QByteArray cikti(static_cast<qsizetype>(libdeflate_zlib_compress_bound(d_->c, static_cast<size_t>(veri.size()))), Qt::Uninitialized);
    const size_t n = libdeflate_zlib_compress(d_->c, veri.constData(), static_cast<size_t>(veri.size()), cikti.data(),
                                              static_cast<size_t>(cikti.size()));
    if (n == 0) return {};
    cikti.truncate(static_cast<qsizetype>(n));
    return cikti;
}

} // namespace Bant
