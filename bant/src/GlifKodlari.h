#pragma once
#include <QByteArray>

#include <utility>
#include <vector>

namespace Bant {

// The codes one face's glyphs take in a PDF's page strings, given in the
// order the glyphs are first written: the first 122 one byte, the rest two
// (0x8000 on). A report uses about a hundred different glyphs, so its
// strings take half the bytes of glyph numbers. No code holds a byte that a
// literal string must escape ("(", ")", "\", CR, LF): strings go out as
// they are. A document past 32,000 different glyphs in one face, which no
// report comes near, shows the rest as the face's missing glyph.
class GlifKodlari {
public:
    // Writes glyph `g`'s code at `p` (at most two bytes); returns its end.
    char* yaz(char* p, quint32 g) {
        quint16 k = g < kod_.size() ? kod_[g] : 0;
        if (k == 0) [[unlikely]]
            k = ver(g);
        if (k < 0x80) {
            *p++ = static_cast<char>(k);
        } else {
            p[0] = static_cast<char>(k >> 8);
            p[1] = static_cast<char>(k);
            p += 2;
        }
        return p;
    }
    // Each code given, with its glyph, in the order given.
    const std::vector<std::pair<quint16, quint32>>& verilenler() const { return verilen_; }
    // The CMap from codes to glyph numbers (the font's CIDs), named `ad`.
    QByteArray glifCmap(const QByteArray& ad) const;
    // The CMap from codes to characters, `karakter(glyph)` each one's; a
    // glyph without one (0) is left out.
    template <typename F> QByteArray unicodeCmap(F&& karakter) const {
        std::vector<std::pair<quint16, quint32>> cift;
        for (const auto& [k, g] : verilen_)
            if (const char32_t c = karakter(g)) cift.emplace_back(k, c);
        return cmap(QByteArrayLiteral("/Ordering (UCS)"), QByteArrayLiteral("Adobe-Identity-UCS"), 2, QByteArrayLiteral("bfchar"), cift,
                    true);
    }

private:
    quint16 ver(quint32 g);
    static QByteArray cmap(const QByteArray& sistem, const QByteArray& ad, int tur, const QByteArray& blok,
                           const std::vector<std::pair<quint16, quint32>>& cift, bool onaltilik);

    std::vector<quint16> kod_; // by glyph: its code, 0 until first written
    std::vector<std::pair<quint16, quint32>> verilen_;
    quint32 sonraki_ = 1;
};

} // namespace Bant
