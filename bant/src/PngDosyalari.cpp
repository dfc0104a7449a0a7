#include "bant/PngDosyalari.h"
#include "bant/HedefDosya.h"
#include "PngKodu.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace Bant {

void PngDosyalari::sayfa(Sayfa&& s) {
    if (hata_) return; // a full disk or a lost folder: the next pages would fail alike
    const double olcek = Birim::olcek(dpi_);
    QImage resim(qRound(s.genislik * olcek), qRound(s.yukseklik * olcek), QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    SayfaCizici::olcekle(p, dpi_);
    cizici_.ciz(p, s);
    p.end();
    ++sayi_;
    HedefDosya dosya(QDir(klasor_).filePath(QStringLiteral("sayfa-%1.png").arg(s.no, 3, 10, QLatin1Char('0'))));
    if (!dosya.acik() || !Png_Yaz(resim, dosya.aygit(), dpi_) || !dosya.tamamla()) hata_ = true;
}

} // namespace Bant
