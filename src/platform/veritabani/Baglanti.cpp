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

int Baglanti::sorguZamanAsimi() {
    bool tamam = false;
    const int sn = qEnvironmentVariableIntValue("FATURA_SORGU_ZAMAN_ASIMI", &tamam);
    return tamam && sn > 0 ? sn : 60;
}

std::shared_ptr<Baglanti> Baglanti::ac(const QString& baglantiCumlesi) {
    return ac(baglantiCumlesi, QDeadlineTimer(std::chrono::seconds(girisZamanAsimi())));
}

std::shared_ptr<Baglanti> Baglanti::ac(const QString& baglantiCumlesi, QDeadlineTimer son) {
    const BaglantiCumlesi b = BaglantiCumlesi::ayristir(baglantiCumlesi);
    if (!b.veriKaynagi.isEmpty() && QFileInfo(b.veriKaynagi).isDir()) return std::make_shared<SqliteBaglanti>(b);
    // The driver's own timeout in whole seconds, never beyond the deadline's.
    const int sn = static_cast<int>(qMax<qint64>(1, (son.remainingTime() + 999) / 1000));
    return std::make_shared<OdbcBaglanti>(odbcCumlesiOlustur(b, sn), son);
}
