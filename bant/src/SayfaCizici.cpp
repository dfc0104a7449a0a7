#include "bant/SayfaCizici.h"
#include "Sigdirma.h"

#include <QPen>

namespace Bant {

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
    for (Yuz* yuz : {&normal_, &kalin_}) {
        const QRawFont ham = QRawFont::fromFont(yaziTipi(y, yuz == &kalin_));
        *yuz = Yuz{GlifTablosu(ham), ham.ascent()};
    }
}

void SayfaCizici::ekle(Toplu& t, Yuz& y, const SayfaOgesi& o) {
    const QRawFont& ham = y.glifler.yuz();
    const QStringView metin = Gorunebilen(o.metin, o.alan, o.hiza, ham.pixelSize());
    GlifTablosu::Dizi d;
    y.glifler.diz(metin, d);
    const Sigdirma yer = Metni_Sigdir(o.alan, o.hiza, d.sayi, d.genislik, 1.0, [&] { return d.ilerlemeler; });
    const qreal taban = o.alan.top() + y.ust;
    qreal x = 0;
    for (qsizetype i = 0; i < yer.glifSayisi; ++i) {
        t.glifler << d.glifler.at(i);
        t.konumlar << QPointF(yer.x + x, taban);
        x += d.ilerlemeler.at(i);
    }
}

void SayfaCizici::bosalt(QPainter& p, const Yuz& y, Toplu& t) {
    if (t.glifler.isEmpty()) return;
    QGlyphRun run;
    run.setRawFont(y.glifler.yuz());
    run.setGlyphIndexes(t.glifler);
    run.setPositions(t.konumlar);
    p.drawGlyphRun(QPointF(0, 0), run);
    t = Toplu{};
}

void SayfaCizici::ciz(QPainter& p, const Sayfa& s, const QRectF& gorunen) {
    yuzleriHazirla(s.yazi);
    // Rows wholly above or below the part in view are left out; an em of
    // room keeps descenders and lines on the edge.
    const qreal em = s.yazi.boyut;
    auto gorunmez = [&](const QRect& r) {
        return gorunen.isValid() && (r.bottom() + em < gorunen.top() || r.top() - em > gorunen.bottom());
    };
    p.save();
    QPen kalem(Qt::black);
    kalem.setWidth(Birim::TwipInc / 96); // one pixel on the screen the layout was drawn for
    p.setPen(kalem);
    Toplu normal, kalin;
    for (const SayfaOgesi& o : s.ogeler) {
        if (gorunmez(o.alan.normalized())) continue;
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
