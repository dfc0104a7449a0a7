#include "platform/rapor/Sikistirici.h"

#include <zlib.h>

namespace Bant {

struct Sikistirici::Durum {
    z_stream z{};
    bool hazir = false;
};

Sikistirici::Sikistirici(int duzey) : d_(std::make_unique<Durum>()) { d_->hazir = deflateInit(&d_->z, duzey) == Z_OK; }

Sikistirici::~Sikistirici() {
    if (d_->hazir) deflateEnd(&d_->z);
}

QByteArray Sikistirici::sikistir(const QByteArray& veri) {
    if (!d_->hazir || deflateReset(&d_->z) != Z_OK) return {};
    z_stream& z = d_->z;
    QByteArray cikti(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(veri.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(veri.constData()));
    z.avail_in = static_cast<uInt>(veri.size());
    z.next_out = reinterpret_cast<Bytef*>(cikti.data());
    z.avail_out = static_cast<uInt>(cikti.size());
    // The bound holds the whole stream, so one call finishes it.
    if (deflate(&z, Z_FINISH) != Z_STREAM_END) return {};
    cikti.truncate(static_cast<qsizetype>(z.total_out));
    return cikti;
}

} // namespace Bant
