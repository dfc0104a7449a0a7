#include "startup/Baslangic.h"
#include "startup/BolgeselAyar.h"
#include "startup/Degiskenler.h"
#include "startup/FirmaAyarlari.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"
#include "startup/Yetkiler.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/VeritabaniHatasi.h"

namespace {
BaslangicKancalari gKancalar;
}

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

void Baslangic_Kancalarini_Ayarla(BaslangicKancalari k) { gKancalar = std::move(k); }

void Parametreleri_Oku(const QString& komutSatiri) {
    Degiskenler& d = degiskenler();
    const QString& L = komutSatiri;
    const qsizetype n = L.size();
    // Every bar counts, and so does the last position (once, even when it is a bar).
    auto sayilir = [&](qsizetype i) { return L.at(i - 1) == u'|' || i == n; };
    qsizetype c = 0;
    for (qsizetype i = 1; i <= n; ++i)
        if (sayilir(i)) ++c;
    if (c == 0) {
        d.Parametreler = {QString(), QStringLiteral("-1")};
        return;
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
    d.VeriTabaniAdi = d.Parametreler[1];
    d.ServerAdi = d.Parametreler[2];
    d.Kullanici_ID = kullanici;
    d.SqlKullanici = d.Parametreler[4];
    d.SqlSifre = d.Parametreler[5] == QStringLiteral("æ") ? QString() : d.Parametreler[5];
}

void Main(const QString& komutSatiri) {
    Parametreleri_Oku(komutSatiri);
    Degiskenler& d = degiskenler();
    d.RaporKodu = QStringLiteral("FATURAKART");
    if (d.Parametreler.value(1) == QLatin1String("-1")) {
        if (gKancalar.girisPenceresiAc) gKancalar.girisPenceresiAc();
        return;
    }
    Baslat();
}

void Baslat() {
    Degiskenler& d = degiskenler();
    try {
        Baglan(d.SqlKullanici, d.SqlSifre, d.VeriTabaniAdi, d.ServerAdi);
        Bolgesel_Ayar_Kontrol();
        Firma_Ayarlarini_Oku();
        d.RaporYetkiAlani = QStringLiteral("BR");
        Yetkileri_Oku();
        if (d.RaporYetkisi) {
            d.BilgisayarAdi = sistem().bilgisayarAdi();
            if (gKancalar.filtreFormuAc) gKancalar.filtreFormuAc();
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
