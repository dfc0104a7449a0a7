#include "startup/FirmaAyarlari.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/SqlMetni.h"
#include "bant/VeritabaniHatasi.h"

#include <QDir>
#include <QFileInfo>
#include <initializer_list>
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

// The format built from a decimal count.
QString bicimOku(const KayitSeti& k, const char* alan) { return Bicim_Olustur(tam(k.Fields(QString::fromLatin1(alan)))); }

FirmaBilgisi oku(const KayitSeti& k) {
    auto f = [&k](const char* ad) { return k.Fields(QString::fromLatin1(ad)); };
    // Settings the suite's other programs use are read all the same and in
    // the same order: a missing or unreadable column means the definitions
    // database needs its update, whichever program finds it.
    const auto bayrak = [&f](std::initializer_list<const char*> adlar) {
        for (const char* ad : adlar) (void)f(ad).bayrak();
    };
    const auto sayilar = [&f](std::initializer_list<std::pair<const char*, bool>> adlar) {
        for (const auto& [ad, kucukMu] : adlar) (void)(kucukMu ? kucuk(f(ad)) : tam(f(ad)));
    };
    FirmaBilgisi b;
    b.AmbarYetkiyeBagli = f("AmbarYetkiyeBagli").bayrak();
    b.IsyeriYetkiyeBagli = f("IsyeriYetkiyeBagli").bayrak();
    b.sysfrm_ID = tam(f("sysfrm_ID"));
    b.sysfrm_nm = f("sysfrm_nm").metin().trimmed();
    (void)f("Mali_Yil_Baslangic").tarih();
    (void)f("Mali_Yil_Bitis").tarih();
    b.AnaParaFormat = bicimOku(k, "AnaParaVirgul");
    b.BirimFiyatFormat = bicimOku(k, "BirimFiyatVirGul");
    b.DovizFormat = bicimOku(k, "DovizVirgul");
    b.DovizBirimFiyatFormat = bicimOku(k, "DovizBirimFiyatVirgul");
    b.KurFormat = bicimOku(k, "KurVirgul");
    bayrak({"DovizVar", "RenkBedenVar", "PosVar", "BarkodVar", "HareketKilit"});
    sayilar({{"OzelRenkli", true}, {"Renk_Ozel", false}, {"Renk_TL", false}, {"Renk_Doviz", false}});
    bayrak({"SatirISK_Dahil", "FaturaAltiISK_Dahil", "Masraflar_Dahil"});
    sayilar({{"StokMinSeviye", true},
             {"StokMinRenk", false},
             {"StokMaxSeviye", true},
             {"StokMaxRenk", false},
             {"StokSFRSeviye", true},
             {"StokSFRRenk", false}});
    (void)f("StokSeviyeOzelKontrol").para();
    (void)f("KDV_Dahildir").bayrak();
    const Deger defKdv = f("DefKDV");
    if (!bosVeyaNull(defKdv)) (void)defKdv.para();
    const Deger kredi = f("KrediLimiti");
    if (!kredi.bosMu()) (void)kredi.para();
    const Deger liste = f("KasaHareketListeTipi");
    if (!bosVeyaNull(liste)) (void)tam(liste);
    return b;
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

FirmaBilgisi Firma_Ayarlarini_Oku(Baglanti& baglanti, const QString& veriTabani) {
    std::shared_ptr<KayitSeti> kayit;
    try {
        Kayit_Ac(baglanti, kayit,
                 QStringLiteral("SELECT * FROM Defination_DB.dbo.sysfrmlng WHERE sysfrm_dbnm='") + tirnakIci(veriTabani) + u'\'');
        return oku(*kayit);
    } catch (const VeritabaniHatasi& h) {
        if (h.numara() == HataNo::AlanYok) guncellemeSor();
        MsgBox(QStringLiteral("Karmena Tanımlam Veritabanıyla İlgili Bir Hata Tespit Etti. Sistem Bu Haliye Çalışmaz."
                              "Bunun İçin Özür Dileriz. Lütfen Program Satıcınızla Görüşünüz."),
               Simge::Bilgi, QStringLiteral("Karmena:") + h.aciklama());
        throw ProgramSonu{1};
    }
}
