#include "startup/Baslangic.h"
#include "startup/BolgeselAyar.h"
#include "startup/FirmaAyarlari.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"
#include "startup/Yetkiler.h"
#include "platform/sistem/Mesaj.h"
#include "bant/VeritabaniHatasi.h"

namespace BaslangicMesaji {
QString eksikParametre() { return QStringLiteral("Eksik Paremetre Kullanımı "); }
QString gecersizKullanici() { return QStringLiteral("Hatalı Parametre Kullanımı: Kullanıcı Numarası Bir Tam Sayı Olmalıdır."); }
QString baglanilamadi() {
    return QStringLiteral("Veri Tabanına Bağlanılamadı. Lütfen Service Manager Programı İle Server'ınızı "
                          "Başlattıktan sonra programı Tekrar Çalıştırın");
}
QString hataAyrintisi() { return QStringLiteral("Hata Ayrıntsı :"); }
QString yetkiYok() { return QStringLiteral("Bu Raporu Görmeye Yetkiniz Yoktur. Lütfen Sistem Yöneticisi'ne Başvurun"); }
} // namespace BaslangicMesaji

KomutParametreleri Parametreleri_Oku(const QString& komutSatiri) {
    KomutParametreleri d;
    const QString& L = komutSatiri;
    const qsizetype n = L.size();
    // Every bar counts, and so does the last position (once, even when it is a bar).
    auto sayilir = [&](qsizetype i) { return L.at(i - 1) == u'|' || i == n; };
    qsizetype c = 0;
    for (qsizetype i = 1; i <= n; ++i)
        if (sayilir(i)) ++c;
    if (c == 0) {
        d.Parametreler = {QString(), QStringLiteral("-1")};
        return d;
    }
    d.Parametreler = QStringList(c + 1);
    qsizetype p = 0, k = 1;
    for (qsizetype i = 1; i <= n; ++i) {
        if (!sayilir(i)) continue;
        d.Parametreler[k] = i == n ? L.mid(p, n - p) : L.mid(p, i - 1 - p);
        p = i;
        ++k;
    }
    if (c <= 4) {
        MsgBox(BaslangicMesaji::eksikParametre(), Simge::Kritik);
        throw ProgramSonu{1};
    }
    bool tamam = false;
    const int kullanici = d.Parametreler[3].trimmed().toInt(&tamam);
    if (!tamam) {
        MsgBox(BaslangicMesaji::gecersizKullanici(), Simge::Kritik);
        throw ProgramSonu{1};
    }
    GirisBilgisi& g = d.giris;
    g.VeriTabaniAdi = d.Parametreler[1];
    g.ServerAdi = d.Parametreler[2];
    g.Kullanici_ID = kullanici;
    g.SqlKullanici = d.Parametreler[4];
    g.SqlSifre = d.Parametreler[5] == QStringLiteral("æ") ? QString() : d.Parametreler[5];
    return d;
}

void Main(const QString& komutSatiri, const BaslangicKancalari& kancalar) {
    const KomutParametreleri p = Parametreleri_Oku(komutSatiri);
    if (p.girisPenceresi()) {
        if (kancalar.girisPenceresiAc) kancalar.girisPenceresiAc();
        return;
    }
    Baslat(p.giris, kancalar);
}

void Baslat(const GirisBilgisi& giris, const BaslangicKancalari& kancalar) {
    try {
        auto o = std::make_shared<Oturum>();
        o->giris = giris;
        o->baglanti = Baglan(giris.SqlKullanici, giris.SqlSifre, giris.VeriTabaniAdi, giris.ServerAdi);
        o->ayraclar = Bolgesel_Ayar_Kontrol();
        o->firma = Firma_Ayarlarini_Oku(*o->baglanti, giris.VeriTabaniAdi);
        const Yetkiler y = Yetkileri_Oku(*o->baglanti, o->firma, giris.Kullanici_ID);
        if (y.RaporYetkisi) {
            o->kisitlar = y.kisitlar;
            if (kancalar.filtreFormuAc) kancalar.filtreFormuAc(std::move(o));
            return;
        }
        MsgBox(BaslangicMesaji::yetkiYok(), Simge::Bilgi);
        throw ProgramSonu{1};
    } catch (const ProgramSonu&) { throw; } catch (const VeritabaniHatasi& h) {
        MsgBox(BaslangicMesaji::baglanilamadi(), Simge::Bilgi);
        MsgBox(BaslangicMesaji::hataAyrintisi() + h.aciklama());
        throw ProgramSonu{1};
    } catch (const std::exception& e) {
        MsgBox(BaslangicMesaji::baglanilamadi(), Simge::Bilgi);
        MsgBox(BaslangicMesaji::hataAyrintisi() + QString::fromUtf8(e.what()));
        throw ProgramSonu{1};
    }
}
