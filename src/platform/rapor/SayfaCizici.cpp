#include "platform/rapor/SayfaCizici.h"

#include <QPen>

QFont SayfaCizici::yaziTipi(bool kalin) {
    QFont f(QStringLiteral("Arial Narrow"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(170); // 8.5 pt = 170 twips; the painter's unit is the twip
    f.setBold(kalin);
    return f;
}

SayfaCizici::SayfaCizici() : normal_(yaziTipi(false)), kalin_(yaziTipi(true)) {}

void SayfaCizici::ciz(QPainter& p, const Sayfa& s) {
    p.save();
    QPen kalem(Qt::black);
    kalem.setWidth(15); // one pixel on the screen the layout was drawn for
    p.setPen(kalem);
    bool kalinMi = false;
    p.setFont(normal_);
    for (const SayfaOgesi& o : s.ogeler) {
        switch (o.tur) {
        case SayfaOgesi::Tur::Kutu: p.fillRect(o.alan, o.renk); break;
        case SayfaOgesi::Tur::Cizgi: p.drawLine(o.alan.topLeft(), o.alan.bottomRight()); break;
        case SayfaOgesi::Tur::Metin:
            if (o.kalin != kalinMi) {
                kalinMi = o.kalin;
                p.setFont(kalinMi ? kalin_ : normal_);
            }
            p.drawText(o.alan, static_cast<int>(o.hiza) | Qt::TextSingleLine, o.metin);
            break;
        }
    }
    p.restore();
}
