#include "startup/FirmaAyarlari.h"
#include "startup/Degiskenler.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/SqlMetni.h"
#include "platform/veritabani/VeritabaniHatasi.h"

#include <QDir>
#include <QFileInfo>
#include <limits>

namespace {

constexpr qint64 kTasma = 6;

qint32 tam(const Deger& d) {
    const qint64 n = d.tamsayi();
    if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
        throw VeritabaniHatasi(kTasma, QStringLiteral("Overflow"));
    return static_cast<qint32>(n);
}

quint8 kucuk(const Deger& d) {
    const qint64 n = d.tamsayi();
    if (n < 0 || n > 255) throw VeritabaniHatasi(kTasma, QStringLiteral("Overflow"));
    return static_cast<quint8>(n);
}

bool bosVeyaNull(const Deger& d) { return d.bosMu() || d.metin().trimmed().isEmpty(); }

// Decimal count, then the format built from it.
void basamakOku(const KayitSeti& k, const char* sutun, qint32& basamak, QString& bicim) {
    bicim = QStringLiteral("#,##0");
    basamak = tam(k.Fields(QString::fromLatin1(sutun)));
    bicim = Bicim_Olustur(basamak);
}

void oku(const KayitSeti& k, Degiskenler& d) {
    auto f = [&k](const char* ad) { return k.Fields(QString::fromLatin1(ad)); };
    d.AmbarYetkiyeBagli = f("AmbarYetkiyeBagli").bayrak();
    d.IsyeriYetkiyeBagli = f("IsyeriYetkiyeBagli").bayrak();
    d.sysfrm_ID = tam(f("sysfrm_ID"));
    d.sysfrm_nm = f("sysfrm_nm").metin().trimmed();
    d.Mali_Yil_Baslangic = f("Mali_Yil_Baslangic").tarih();
    d.Mali_Yil_Bitis = f("Mali_Yil_Bitis").tarih();
    basamakOku(k, "AnaParaVirgul", d.AnaParaVirgul, d.AnaParaFormat);
    basamakOku(k, "BirimFiyatVirGul", d.BirimFiyatVirGul, d.BirimFiyatFormat);
    basamakOku(k, "DovizVirgul", d.DovizVirgul, d.DovizFormat);
    basamakOku(k, "DovizBirimFiyatVirgul", d.DovizBirimFiyatVirgul, d.DovizBirimFiyatFormat);
    basamakOku(k, "KurVirgul", d.KurVirgul, d.KurFormat);
    d.DovizVar = f("DovizVar").bayrak();
    d.RenkBedenVar = f("RenkBedenVar").bayrak();
    d.PosVar = f("PosVar").bayrak();
    d.BarkodVar = f("BarkodVar").bayrak();
    d.HareketKilit = f("HareketKilit").bayrak();
    d.OzelRenkli = kucuk(f("OzelRenkli"));
    d.Renk_Ozel = tam(f("Renk_Ozel"));
    d.Renk_TL = tam(f("Renk_TL"));
    d.Renk_Doviz = tam(f("Renk_Doviz"));
    d.SatirISK_Dahil = f("SatirISK_Dahil").bayrak();
    d.FaturaAltiISK_Dahil = f("FaturaAltiISK_Dahil").bayrak();
    d.Masraflar_Dahil = f("Masraflar_Dahil").bayrak();
    d.StokMinSeviye = kucuk(f("StokMinSeviye"));
    d.StokMinRenk = tam(f("StokMinRenk"));
    d.StokMaxSeviye = kucuk(f("StokMaxSeviye"));
    d.StokMaxRenk = tam(f("StokMaxRenk"));
    d.StokSFRSeviye = kucuk(f("StokSFRSeviye"));
    d.StokSFRRenk = tam(f("StokSFRRenk"));
    d.StokSeviyeOzelKontrol = f("StokSeviyeOzelKontrol").para();
    d.KDV_Dahildir = f("KDV_Dahildir").bayrak();
    const Deger defKdv = f("DefKDV");
    if (!bosVeyaNull(defKdv)) d.DefKDV = defKdv.para();
    const Deger kredi = f("KrediLimiti");
    d.KrediLimiti = kredi.bosMu() ? Para() : kredi.para();
    const Deger liste = f("KasaHareketListeTipi");
    d.KasaHareketListeTipi = bosVeyaNull(liste) ? 1 : tam(liste);
}

void guncellemeSor() {
    const bool evet =
        MsgBoxEvetHayir(QStringLiteral("Karmena Tanımlama VeriTabanında Eksik Alanara Rastladı. güncelleştirme Çalıştırmak Gerekebilir.") +
                        u'\r' + QStringLiteral("Şimdi Güncelleme Çalıştırmak İstiyormusunuz?.") +
                        QStringLiteral("Lütfen Bu İşlemi program Satıcınıza Danışmadan Onaylamayınız."));
    if (evet) {
        const QString program = Guncelleme_Programi();
        if (!program.isEmpty()) {
            sistem().programBaslat(program);
        } else {
            MsgBox(QStringLiteral("Sistem Bu Haliyle Çalışamaz Durumda ve Veritabanı Konfigürasyon Dosyasına Ulaşılamadı.") + u'\r' +
                   QStringLiteral("Lütfen Pogram Satıcınızla Görüşünüz."));
        }
    }
    throw ProgramSonu{1};
}

} // namespace

QString Bicim_Olustur(int basamak) {
    QString bicim = QStringLiteral("#,##0");
    if (basamak >= 1) bicim += u'.' + QString(basamak, u'0');
    return bicim;
}

QString Guncelleme_Programi() {
    const QDir klasor(sistem().programDizini());
    for (const char* ad : {"Database Güncelle", "Database Güncelle.exe"}) {
        const QString yol = klasor.filePath(QString::fromUtf8(ad));
        if (QFileInfo(yol).isFile()) return yol;
    }
    return {};
}

void Firma_Ayarlarini_Oku() {
    Degiskenler& d = degiskenler();
    std::shared_ptr<KayitSeti> kayit;
    try {
        Kayit_Ac(kayit,
                 QStringLiteral("SELECT * FROM Defination_DB.dbo.sysfrmlng WHERE sysfrm_dbnm='") + tirnakIci(d.VeriTabaniAdi) + u'\'');
        oku(*kayit, d);
    } catch (const VeritabaniHatasi& h) {
        if (h.numara() == HataNo::AlanYok) guncellemeSor();
        MsgBox(QStringLiteral("Karmena Tanımlam Veritabanıyla İlgili Bir Hata Tespit Etti. Sistem Bu Haliye Çalışmaz."
                              "Bunun İçin Özür Dileriz. Lütfen Program Satıcınızla Görüşünüz."),
               Simge::Bilgi, QStringLiteral("Karmena:") + h.aciklama());
        throw ProgramSonu{1};
    }
}
