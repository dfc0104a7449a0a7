#pragma once
#include <QHash>
#include <QRawFont>

#include <algorithm>
#include <array>

namespace Bant {

// Each character's glyph and advance in one face at one size, read from the
// face once. Report faces map characters one to one and are set unkerned, so
// a text is measured by adding up its characters' advances: no shaping and
// no glyph loading per new text (amounts and invoice numbers are new on
// every row). Latin letters, Turkish ones included, sit in a flat table;
// the rest are looked up as they come. Characters beyond the basic plane
// take two code units; callers hand such texts to the face whole.
class GlifTablosu {
public:
    struct Glif {
        quint32 no = 0;
        qreal ilerleme = 0;
        bool kullanildi = false; // laid out by diz()
    };
    GlifTablosu() = default;
    explicit GlifTablosu(const QRawFont& yuz);
    const Glif& operator[](QChar c) {
        const char16_t k = c.unicode();
        return k < kDuz ? duz_[k] : digeri(k);
    }
    const QRawFont& yuz() const { return yuz_; }

    // A text's glyphs, their advances and their sum: the first `sayi`
    // entries of the lists, which only grow, to be reused from call to call.
    // `birebir`: one glyph per character, in order.
    struct Dizi {
        QList<quint32> glifler;
        QList<qreal> ilerlemeler;
        qsizetype sayi = 0;
        qreal genislik = 0;
        bool birebir = true;
    };
    void diz(QStringView metin, Dizi& d);
    // Each character diz() has laid out one to one, with its glyph, in
    // character order: what a PDF embeds and maps back to text.
    template <typename F> void kullanilanlar(F&& f) const {
        for (char16_t k = 0; k < kDuz; ++k)
            if (duz_[k].kullanildi) f(duz_[k].no, k);
        QList<char16_t> digerleri;
        for (auto it = diger_.cbegin(); it != diger_.cend(); ++it)
            if (it->kullanildi) digerleri << it.key();
        std::sort(digerleri.begin(), digerleri.end());
        for (const char16_t k : digerleri) f(diger_.value(k).no, k);
    }

private:
    static constexpr char16_t kDuz = 0x180; // Basic Latin to Latin Extended-A
    Glif& digeri(char16_t k);

    QRawFont yuz_;
    std::array<Glif, kDuz> duz_{};
    QHash<char16_t, Glif> diger_;
};

} // namespace Bant
