#pragma once
#include <QByteArray>

#include <memory>

namespace Bant {

// Deflates one whole buffer after another (zlib format, as PDF's
// FlateDecode wants) with a single compressor, allocated once rather than
// for every page.
class Sikistirici {
public:
    explicit Sikistirici(int duzey);
    ~Sikistirici();
    Sikistirici(const Sikistirici&) = delete;
    Sikistirici& operator=(const Sikistirici&) = delete;
    // The whole of `veri` as one zlib stream; empty on failure.
    QByteArray sikistir(QByteArrayView veri);

private:
    struct Durum;
    std::unique_ptr<Durum> d_;
};

} // namespace Bant
