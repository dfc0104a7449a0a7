#pragma once
#include <QByteArray>

#include <memory>

namespace Bant {

// Deflates one stream after another (zlib format, as PDF's FlateDecode and
// PNG want) with a single compressor state: its window and tables are
// allocated once and reset per stream, not built anew for every page.
class Sikistirici {
public:
    explicit Sikistirici(int duzey);
    ~Sikistirici();
    Sikistirici(const Sikistirici&) = delete;
    Sikistirici& operator=(const Sikistirici&) = delete;
    // The whole of `veri` as one zlib stream; empty when zlib failed.
    QByteArray sikistir(const QByteArray& veri);

private:
    struct Durum;
    std::unique_ptr<Durum> d_;
};

} // namespace Bant
