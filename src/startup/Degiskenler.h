#pragma once
#include "platform/veritabani/Baglanti.h"
#include "platform/veritabani/KayitSeti.h"
#include "platform/veritabani/Para.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

// The run-wide values: one record, built at start-up, read and written by
// every part of the program for the whole run.
struct Degiskenler {
    // Command line and connection
    QStringList Parametreler; // index 0 stays empty
    QString ServerAdi;
    QString VeriTabaniAdi;
    QString SqlKullanici;
    QString SqlSifre;
    qint32 Kullanici_ID = 0;
    std::shared_ptr<Baglanti> Baglanti_; // "Baglanti": the one open connection
    QString BaglantiCumlesi;
    std::shared_ptr<KayitSeti> OrtakKayit; // shared record set of rights and look-ups
    QString BilgisayarAdi;

    // Report identity, rights and restrictions
    QString RaporKodu;
    QString RaporYetkiAlani;
    bool RaporYetkisi = false;
    QString IsyeriListesi;
    QString AmbarListesi;

    // Regional settings and messages
    QString HataMesaji;
    QString OndalikAyirac;
    QString BinlikAyirac;

    // Company settings, in the order they are read
    bool AmbarYetkiyeBagli = false;
    bool IsyeriYetkiyeBagli = false;
    qint32 sysfrm_ID = 0;
    QString sysfrm_nm;
    QDateTime Mali_Yil_Baslangic;
    QDateTime Mali_Yil_Bitis;
    qint32 AnaParaVirgul = 0;
    qint32 BirimFiyatVirGul = 0;
    qint32 DovizVirgul = 0;
    qint32 DovizBirimFiyatVirgul = 0;
    qint32 KurVirgul = 0;
    QString AnaParaFormat;
    QString BirimFiyatFormat;
    QString DovizFormat;
    QString DovizBirimFiyatFormat;
    QString KurFormat;
    bool DovizVar = false;
    bool RenkBedenVar = false;
    bool PosVar = false;
    bool BarkodVar = false;
    bool HareketKilit = false;
    quint8 OzelRenkli = 0;
    qint32 Renk_Ozel = 0;
    qint32 Renk_TL = 0;
    qint32 Renk_Doviz = 0;
    bool SatirISK_Dahil = false;
    bool FaturaAltiISK_Dahil = false;
    bool Masraflar_Dahil = false;
    quint8 StokMinSeviye = 0;
    qint32 StokMinRenk = 0;
    quint8 StokMaxSeviye = 0;
    qint32 StokMaxRenk = 0;
    quint8 StokSFRSeviye = 0;
    qint32 StokSFRRenk = 0;
    Para StokSeviyeOzelKontrol;
    bool KDV_Dahildir = false;
    Para DefKDV;
    Para KrediLimiti;
    qint32 KasaHareketListeTipi = 0;

    // The report run
    QString TemelSQL;
    QString GroupSQL;
    bool DegerlerYuklendi = false;
    bool RaporCalisiyor = false;
    QString SeciliIsyerleri;
    QString RaporSQL;
    QString GrupAlani;
    QString GrupTablosu;
    QString GrupAdi;
    bool SatirCizgisiEkle = false;
    bool GenelRaporToplami = false;
    bool FaturaAciklamasiGoster = false;
    bool AyriSayfaya = false;
    bool DetayGoster = false;
    QString IsyeriKosulu;
    bool WhereVar = false;
    bool HavingVar = false;
    QString DegerTirnagi;
    QString BakiyeBaslangic;
    QString BakiyeBitis;
    bool RaporUretiliyor = false;
    qint32 AktifFaturaID = 0;
};

// The one record of the process.
Degiskenler& degiskenler();
