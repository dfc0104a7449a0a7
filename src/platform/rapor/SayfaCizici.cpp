#include "platform/rapor/SayfaCizici.h"
#include "platform/rapor/Sigdirma.h"

#include <QPen>

namespace Bant {

namespace {
constexpr int kEnFazlaOnbellek = 20000;
}

QFont SayfaCizici::yaziTipi(const YaziTipi& y, bool kalin) {
    QFont f(y.aile);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(y.boyut); // twips; the painter's unit is the twip
    f.setBold(kalin);
    return f;
}

void SayfaCizici::yuzleriHazirla(const YaziTipi& y) {
    if (hazir_ && y == yazi_) return;
    yazi_ = y;
    hazir_ = true;
    normal_ = Yuz{QRawFont::fromFont(yaziTipi(y, false)), 0, {}};
    kalin_ = Yuz{QRawFont::fromFont(yaziTipi(y, true)), 0, {}};
    normal_.ust = normal_.ham.ascent();
    kalin_.ust = kalin_.ham.ascent();
}

const SayfaCizici::Dizgi& SayfaCizici::dizgi(Yuz& y, const QString& metin) {
    auto it = y.onbellek.find(metin);
    if (it != y.onbellek.end()) return *it;
    if (y.onbellek.size() > kEnFazlaOnbellek) y.onbellek.clear();
    Dizgi d;
    const QList<quint32> glifler = y.ham.glyphIndexesForString(metin);
    const QList<QPointF> ilerlemeler = y.ham.advancesForGlyphIndexes(glifler);
    QList<QPointF> konumlar;
    konumlar.reserve(glifler.size());
    qreal x = 0;
    for (const QPointF& a : ilerlemeler) {
        konumlar << QPointF(x, 0);
        x += a.x();
    }
    d.run.setRawFont(y.ham);
    d.run.setGlyphIndexes(glifler);
    d.run.setPositions(konumlar);
    d.genislik = x;
    return *y.onbellek.insert(metin, d);
}

qreal SayfaCizici::genislik(const QString& metin, bool kalin, const YaziTipi& y) {
    yuzleriHazirla(y);
    return dizgi(kalin ? kalin_ : normal_, metin).genislik;
}

void SayfaCizici::ekle(Toplu& t, Yuz& y, const SayfaOgesi& o) {
    const Dizgi& d = dizgi(y, Gorunebilen(o.metin, o.alan, o.hiza, y.ham.pixelSize()));
    const QList<quint32> glifler = d.run.glyphIndexes();
    const QList<QPointF> konumlar = d.run.positions();
    const Sigdirma yer = Metni_Sigdir(o.alan, o.hiza, glifler.size(), d.genislik, 1.0,
                                      [&] { return yatayIlerlemeler(y.ham.advancesForGlyphIndexes(glifler)); });
    const qreal x = yer.x;
    const qsizetype n = yer.glifSayisi;
    const qreal taban = o.alan.top() + y.ust;
    for (qsizetype i = 0; i < n; ++i) {
        t.glifler << glifler.at(i);
        t.konumlar << QPointF(x + konumlar.at(i).x(), taban);
    }
}

void SayfaCizici::bosalt(QPainter& p, const Yuz& y, Toplu& t) {
    if (t.glifler.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(y.ham);
    run.setGlyphIndexes(t.glifler);
    run.setPositions(t.konumlar);
    p.drawGlyphRun(QPointF(0, 0), run);
    t = Toplu{};
}

void SayfaCizici::ciz(QPainter& p, const Sayfa& s) {
    yuzleriHazirla(s.yazi);
    p.save();
    QPen kalem(Qt::black);
    kalem.setWidth(Birim::TwipInc / 96); // one pixel on the screen the layout was drawn for
    p.setPen(kalem);
    Toplu normal, kalin;
    for (const SayfaOgesi& o : s.ogeler) {
        switch (o.tur) {
        case SayfaOgesi::Tur::Kutu:
            // Boxes lie under text: what was gathered so far goes out first.
            bosalt(p, normal_, normal);
            bosalt(p, kalin_, kalin);
            p.fillRect(o.alan, o.renk);
            break;
        case SayfaOgesi::Tur::Cizgi: p.drawLine(o.alan.topLeft(), o.alan.bottomRight()); break;
        case SayfaOgesi::Tur::Metin:
            if (!o.metin.isEmpty()) ekle(o.kalin ? kalin : normal, o.kalin ? kalin_ : normal_, o);
            break;
        }
    }
    bosalt(p, normal_, normal);
    bosalt(p, kalin_, kalin);
    p.restore();
}

} // namespace Bant
