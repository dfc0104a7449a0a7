#include "bant/GlifTablosu.h"
#include "Sigdirma.h"

namespace Bant {

GlifTablosu::GlifTablosu(const QRawFont& yuz) : yuz_(yuz) {
    if (!yuz_.isValid()) return;
    QString hepsi(kDuz, Qt::Uninitialized);
    for (char16_t k = 0; k < kDuz; ++k) hepsi[k] = QChar(k);
    const QList<quint32> glifler = yuz_.glyphIndexesForString(hepsi);
    const QList<QPointF> ilerlemeler = yuz_.advancesForGlyphIndexes(glifler);
    for (qsizetype i = 0; i < glifler.size() && i < kDuz; ++i) duz_[static_cast<size_t>(i)] = {glifler.at(i), ilerlemeler.at(i).x()};
}

GlifTablosu::Glif& GlifTablosu::digeri(char16_t k) {
    auto it = diger_.find(k);
    if (it == diger_.end()) {
        Glif g;
        const QList<quint32> no = yuz_.glyphIndexesForString(QString(QChar(k)));
        if (no.size() == 1) g = {no.first(), yuz_.advancesForGlyphIndexes(no).first().x()};
        it = diger_.insert(k, g);
    }
    return *it;
}

void GlifTablosu::diz(QStringView metin, Dizi& d) {
    // One pass through raw pointers: appending element by element, and a
    // separate pass looking for surrogates, showed in the profile.
    const qsizetype n = metin.size();
    if (d.glifler.size() < n) {
        d.glifler.resize(n);
        d.ilerlemeler.resize(n);
    }
    quint32* no = d.glifler.data();
    qreal* ilerleme = d.ilerlemeler.data();
    const QChar* k = metin.constData();
    qreal genislik = 0;
    qsizetype i = 0;
    for (; i < n; ++i) {
        const char16_t c = k[i].unicode();
        if (QChar::isSurrogate(c)) break;
        Glif& g = c < kDuz ? duz_[c] : digeri(c);
        g.kullanildi = true; // a store beside the load: cheaper than a pass of the writer's own
        no[i] = g.no;
        ilerleme[i] = g.ilerleme;
        genislik += g.ilerleme;
    }
    d.birebir = i == n;
    if (d.birebir) {
        d.sayi = n;
        d.genislik = genislik;
        return;
    }
    // Characters beyond the basic plane take two code units: the face maps them whole.
    d.glifler = yuz_.glyphIndexesForString(metin.toString());
    d.ilerlemeler = yatayIlerlemeler(yuz_.advancesForGlyphIndexes(d.glifler));
    d.sayi = d.glifler.size();
    d.genislik = 0;
    for (qreal a : d.ilerlemeler) d.genislik += a;
}

} // namespace Bant
