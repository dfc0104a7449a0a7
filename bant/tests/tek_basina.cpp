// The engine alone: a document over rows in memory, laid out and painted.
#include "bant/BellekImleci.h"
#include "bant/RaporMotoru.h"
#include "bant/SayfaAlicilari.h"
#include "bant/SayfaCizici.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv) {
    QGuiApplication uygulama(argc, argv);
    Bant::RaporBelgesi belge;
    Bant::Kontrol alan;
    alan.ad = alan.veriAlani = QStringLiteral("Ad");
    alan.tur = Bant::Kontrol::Tur::Alan;
    alan.genislik = 3000, alan.yukseklik = 240;
    belge.Detail.yukseklik = 240;
    belge.Detail.kontroller = {alan};
    const QList<QList<Deger>> satirlar{{Deger::metinden(QStringLiteral("Bir"))}, {Deger::metinden(QStringLiteral("İki"))}};
    belge.veri = [satirlar] { return std::make_unique<BellekImleci>(QStringList{QStringLiteral("Ad")}, satirlar); };
    Bant::SayfaDeposu depo;
    Bant::RaporMotoru(belge, depo).calistir();
    QImage bos(800, 1100, QImage::Format_RGB32);
    bos.fill(Qt::white);
    QImage resim = bos;
    QPainter ressam(&resim);
    Bant::SayfaCizici::olcekle(ressam, 96);
    Bant::SayfaCizici().ciz(ressam, depo.sayfalar.value(0));
    ressam.end();
    // Two rows on one page, and the page painted.
    return depo.sayfalar.size() == 1 && depo.sayfalar.first().ogeler.size() == 2 && resim != bos ? 0 : 1;
}
