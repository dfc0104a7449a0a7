#include "platform/rapor/GlifTablosu.h"

namespace Bant {

GlifTablosu::GlifTablosu(const QRawFont& yuz) : yuz_(yuz) {
    if (!yuz_.isValid()) return;
    QString hepsi(kDuz, Qt::Uninitialized);
    for (char16_t k = 0; k < kDuz; ++k) hepsi[k] = QChar(k);
    const QList<quint32> glifler = yuz_.glyphIndexesForString(hepsi);
    const QList<QPointF> ilerlemeler = yuz_.advancesForGlyphIndexes(glifler);
    for (qsizetype i = 0; i < glifler.size() && i < kDuz; ++i) duz_[static_cast<size_t>(i)] = {glifler.at(i), ilerlemeler.at(i).x()};
}

const GlifTablosu::Glif& GlifTablosu::digeri(char16_t k) {
    auto it = diger_.find(k);
    if (it == diger_.end()) {
        Glif g;
        const QList<quint32> no = yuz_.glyphIndexesForString(QString(QChar(k)));
        if (no.size() == 1) g = {no.first(), yuz_.advancesForGlyphIndexes(no).first().x()};
        it = diger_.insert(k, g);
    }
    return *it;
}

} // namespace Bant
