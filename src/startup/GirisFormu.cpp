#include "startup/GirisFormu.h"
#include "startup/BolgeselAyar.h"
#include "startup/ProgramSonu.h"
#include "startup/Metin.h"
#include "startup/Kayit.h"
#include "startup/SysInf.h"
#include "startup/Veritabani.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/SqlMetni.h"
#include "bant/VeritabaniHatasi.h"

namespace {
const QString kAnahtar = QStringLiteral("DEF_KARMENA");
constexpr int kEnFazlaDeneme = 3;
} // namespace

namespace GirisMesaji {
QString yanlis() { return QStringLiteral("Kullanıcı adınızı ve şifrenizi kontrol ediniz."); }
QString denemeBitti() { return QStringLiteral("Giriş Hatası Böyle Bir Kullanıcı Tanımlı Değil.Deneme Sayınız Bitmiştir."); }
QString baglanilamadi() { return QStringLiteral("Veri Tabanına Bağlanılamadı "); }
QString firmaYok() {
    return QStringLiteral("Bu kullanıcıya tanımlı bir firma yok. Sistem yöneticinizden firma yetkisi isteyin; çıkmak için Esc.");
}
} // namespace GirisMesaji

QString Kullanici_Sorgusu(const QString& ad, const QString& sifre) {
    return QStringLiteral("SELECT sysus_ID FROM sysuslng WHERE sysus_nm='") + tirnakIci(ad) + QStringLiteral("' and sysus='") +
           tirnakIci(sifre) + u'\'';
}

QString Firma_Sorgusu(int kullanici) {
    return QStringLiteral("SELECT sysfrmlng.sysfrm_nm,sysfrmlng.sysfrm_kd,sysfrmlng.sysfrm_dbnm,sysfrmlng.sysfrm_ID,"
                          "sysfrmlng.Mali_Yil_Baslangic,sysfrmlng.Mali_Yil_Bitis FROM sysfrmlng,sysusfrmlng WHERE "
                          "sysfrmlng.sysfrm_ID=sysusfrmlng.sysfrm_ID and sysusfrmlng.sysus_ID=") +
           QString::number(kullanici) + QStringLiteral(" ORDER BY sysfrmlng.sysfrm_ID DESC");
}

void GirisFormu::yukle() {
    GirisBilgisi& d = giris_;
    const SysInfAlanlari a = Sys_Inf_Coz(Sys_Inf_Oku());
    d.ServerAdi = a.sunucu;
    d.SqlKullanici = a.kullanici;
    d.SqlSifre = a.sifre;
    sunucuGorunur = a.sunucuKutusu;
    Bolgesel_Ayar_Kontrol();
    sunucu = sistem().bilgisayarAdi().trimmed();
    Def_Kullanici_Oku();
    d.VeriTabaniAdi = QStringLiteral("Defination_DB");
}

GirisFormu::Sonuc GirisFormu::girisDene() {
    GirisBilgisi& d = giris_;
    bool bulundu = false;
    try {
        if (sunucuGorunur) d.ServerAdi = sunucu.trimmed();
        baglanti_ = Baglan(d.SqlKullanici, d.SqlSifre, d.VeriTabaniAdi, d.ServerAdi);
        Kayit_Ac(*baglanti_, kayit_, Kullanici_Sorgusu(Buyuk_Harf(kullaniciAdi), Sifrele(sifre)));
        // Blanks at the end stay part of the name, though the server's "="
        // pads the shorter side with blanks and would let them through.
        if (!kayit_->Eof() && !kullaniciAdi.endsWith(u' ')) {
            bulundu = true;
            if (hatirla) Def_Kullanici_Kaydet();
            d.Kullanici_ID = kayit_->Fields(QStringLiteral("sysus_ID")).metinVeyaBos().trimmed().toInt();
            Kayit_Ac(*baglanti_, kayit_, Firma_Sorgusu(d.Kullanici_ID));
            firmalar_.clear();
            while (!kayit_->Eof()) {
                firmalar_.append({kayit_->Fields(QStringLiteral("sysfrm_nm")).metinVeyaBos(),
                                  kayit_->Fields(QStringLiteral("sysfrm_kd")).metinVeyaBos(),
                                  kayit_->Fields(QStringLiteral("sysfrm_dbnm")).metinVeyaBos()});
                kayit_->MoveNext();
            }
            return Sonuc::Girildi;
        }
    } catch (const VeritabaniHatasi& h) {
        if (bulundu || h.numara() != HataNo::GirisReddedildi) {
            MsgBox(GirisMesaji::baglanilamadi(), Simge::Kritik);
            MsgBox(h.aciklama());
            // The number as the suite shows it: a signed 32-bit value.
            MsgBox(QString::number(static_cast<qint32>(static_cast<quint32>(h.numara()))));
            return Sonuc::BaglantiHatasi;
        }
    }
    if (++deneme_ >= kEnFazlaDeneme) {
        MsgBox(GirisMesaji::denemeBitti(), Simge::Kritik);
        throw ProgramSonu{1};
    }
    MsgBox(GirisMesaji::yanlis(), Simge::Kritik);
    return Sonuc::Yanlis;
}

bool GirisFormu::firmaSec(int satir) {
    if (satir < 0 || satir >= firmalar_.size()) return false;
    giris_.VeriTabaniAdi = firmalar_.at(satir).veritabani.trimmed();
    return true;
}

void GirisFormu::Def_Kullanici_Oku() {
    const QString kullanici = Kayit_Oku(Kok::HKEY_CURRENT_USER, kAnahtar, QStringLiteral("DEF_KUL"));
    if (!kullanici.isEmpty()) kullaniciAdi = kullanici.trimmed();
    const QString server = Kayit_Oku(Kok::HKEY_CURRENT_USER, kAnahtar, QStringLiteral("DEF_SRVR"));
    if (!server.isEmpty()) sunucu = server.trimmed();
}

void GirisFormu::Def_Kullanici_Kaydet() const {
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, kAnahtar, QStringLiteral("DEF_KUL"), kullaniciAdi.trimmed());
    Kayit_Yaz(Kok::HKEY_CURRENT_USER, kAnahtar, QStringLiteral("DEF_SRVR"), sunucu.trimmed());
}
