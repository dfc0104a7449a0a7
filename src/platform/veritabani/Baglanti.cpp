#include "platform/veritabani/Baglanti.h"
#include "platform/veritabani/BaglantiCumlesi.h"
#include "platform/veritabani/OdbcBaglanti.h"
#include "platform/veritabani/SqliteBaglanti.h"

#include <QFileInfo>

int Baglanti::girisZamanAsimi() {
    bool tamam = false;
    const int sn = qEnvironmentVariableIntValue("FATURA_GIRIS_ZAMAN_ASIMI", &tamam);
    return tamam && sn > 0 ? sn : 5;
}

std::shared_ptr<Baglanti> Baglanti::ac(const QString& baglantiCumlesi) {
    const BaglantiCumlesi b = BaglantiCumlesi::ayristir(baglantiCumlesi);
    if (!b.veriKaynagi.isEmpty() && QFileInfo(b.veriKaynagi).isDir()) return std::make_shared<SqliteBaglanti>(b);
    return std::make_shared<OdbcBaglanti>(odbcCumlesiOlustur(b, girisZamanAsimi()), girisZamanAsimi());
}
