#include "platform/rapor/SayfaCizici.h"

#include <QPen>

namespace {
constexpr int kEnFazlaOnbellek = 20000;
}

QFont SayfaCizici::yaziTipi(bool kalin) {
    QFont f(QStringLiteral("Arial Narrow"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(170); // 8.5 pt = 170 twips; the painter's unit is the twip
    f.setBold(kalin);
    return f;
}

SayfaCizici::SayfaCizici() {
    normal_.ham = QRawFont::fromFont(yaziTipi(false));
    kalin_.ham = QRawFont::fromFont(yaziTipi(true));
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

qreal SayfaCizici::genislik(const QString& metin, bool kalin) { return dizgi(kalin ? kalin_ : normal_, metin).genislik; }

void SayfaCizici::ekle(Toplu& t, Yuz& y, const SayfaOgesi& o) {
    const Dizgi& d = dizgi(y, o.metin);
    const QRect& r = o.alan;
    qreal x = r.left();
    const QList<quint32> glifler = d.run.glyphIndexes();
    const QList<QPointF> konumlar = d.run.positions();
    qsizetype n = glifler.size();
    if (d.genislik <= r.width()) {
        if (o.hiza & Qt::AlignRight) x = r.right() + 1 - d.genislik;
        else if (o.hiza & Qt::AlignHCenter) x = r.left() + (r.width() - d.genislik) / 2;
    } else {
        // Too wide for its box: cut at the box's right edge, as the layout's
        // fixed-width controls cut it.
        const QList<QPointF> ilerlemeler = y.ham.advancesForGlyphIndexes(glifler);
        n = 0;
        while (n < glifler.size() && konumlar.at(n).x() + ilerlemeler.at(n).x() <= r.width()) ++n;
    }
    const qreal taban = r.top() + y.ust;
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
    p.save();
    QPen kalem(Qt::black);
    kalem.setWidth(15); // one pixel on the screen the layout was drawn for
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
