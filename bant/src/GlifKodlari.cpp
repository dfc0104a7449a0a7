#include "GlifKodlari.h"

#include <algorithm>

namespace Bant {

namespace {

bool kacisli(quint32 b) { return b == '(' || b == ')' || b == '\\' || b == '\r' || b == '\n'; }

constexpr quint16 kYok = 0xFFFF; // never given: the face's missing glyph

QByteArray onaltilik(quint32 k, int hane) { return '<' + QByteArray::number(k, 16).rightJustified(hane, '0') + '>'; }

QByteArray kodYazisi(quint16 k) { return onaltilik(k, k < 0x80 ? 2 : 4); }

} // namespace

quint16 GlifKodlari::ver(quint32 g) {
    if (g >= kod_.size()) kod_.resize(std::max<size_t>(g + 1, 2 * kod_.size()), 0);
    if (sonraki_ >= kYok) return kod_[g] = kYok;
    const auto k = static_cast<quint16>(sonraki_);
    kod_[g] = k;
    verilen_.emplace_back(k, g);
    do {
        if (++sonraki_ == 0x80) sonraki_ = 0x8000;
    } while (kacisli(sonraki_ & 0xFF));
    return k;
}

QByteArray GlifKodlari::glifCmap(const QByteArray& ad) const {
    return cmap(QByteArrayLiteral("/Ordering (Identity)"), ad, 1, QByteArrayLiteral("cidchar"), verilen_, false);
}

QByteArray GlifKodlari::cmap(const QByteArray& sistem, const QByteArray& ad, int tur, const QByteArray& blok,
                             const std::vector<std::pair<quint16, quint32>>& cift, bool onaltilikDeger) {
    QByteArray c = "/CIDInit /ProcSet findresource begin 12 dict begin begincmap /CIDSystemInfo << /Registry (Adobe) " + sistem +
                   " /Supplement 0 >> def /CMapName /" + ad + " def /CMapType " + QByteArray::number(tur) +
                   " def\n2 begincodespacerange <00> <7F> <8000> <FFFF> endcodespacerange\n";
    // At most a hundred entries a block, as the format asks.
    for (size_t i = 0; i < cift.size(); i += 100) {
        const size_t son = std::min(cift.size(), i + 100);
        c += QByteArray::number(static_cast<qulonglong>(son - i)) + " begin" + blok + '\n';
        for (size_t j = i; j < son; ++j)
            c += kodYazisi(cift[j].first) + ' ' + (onaltilikDeger ? onaltilik(cift[j].second, 4) : QByteArray::number(cift[j].second)) +
                 '\n';
        c += "end" + blok + '\n';
    }
    return c + "endcmap CMapName currentdict /CMap defineresource pop end end\n";
}

} // namespace Bant
