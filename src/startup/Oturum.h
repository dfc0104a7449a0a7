#pragma once
#include "platform/veritabani/Baglanti.h"

#include <QString>
#include <memory>

// Where to connect and as whom: what the command line or the login window names.
struct GirisBilgisi {
    QString VeriTabaniAdi;
    QString ServerAdi;
    QString SqlKullanici;
    QString SqlSifre;
    qint32 Kullanici_ID = 0;
};

// The regional separators, as the regional-settings check leaves them.
struct Ayraclar {
    QString OndalikAyirac;
    QString BinlikAyirac;
};

// The company's settings the program uses: its ID and name, whether the
// user's workplaces and warehouses restrict the lists, and the five number
// formats built from its decimal counts.
struct FirmaBilgisi {
    qint32 sysfrm_ID = 0;
    QString sysfrm_nm;
    bool AmbarYetkiyeBagli = false;
    bool IsyeriYetkiyeBagli = false;
    QString AnaParaFormat;
    QString BirimFiyatFormat;
    QString DovizFormat;
    QString DovizBirimFiyatFormat;
    QString KurFormat;
};

// The user's workplace and warehouse restrictions ("IN('01','03')" or empty).
struct Kisitlar {
    QString IsyeriListesi;
    QString AmbarListesi;
};

// The session: made once at start-up and read, never changed, until the
// program ends. The connection is the one the look-ups and the reports use.
struct Oturum {
    GirisBilgisi giris;
    std::shared_ptr<Baglanti> baglanti;
    Ayraclar ayraclar;
    FirmaBilgisi firma;
    Kisitlar kisitlar;
};

// The code of this report in the suite: the table its one-column lists read
// when no other is named.
inline const QString kRaporKodu = QStringLiteral("FATURAKART");
