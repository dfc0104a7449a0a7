#include "filterform/Secenekler.h"
#include "filterform/FiltreIzgarasi.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/VeritabaniHatasi.h"
#include "startup/BolgeselAyar.h"
#include "startup/Degiskenler.h"
#include "startup/Veritabani.h"

#include <QCoreApplication>
#include <QDate>

namespace {

enum class Tur { R, P, Cift, Bugun };

struct Kaynak {
    const char* baslik;
    Tur tur;
    const char* tablo; // for pairs: the query key (S1, S2, A1, A2, I1, I2)
    const char* sutun;
    bool hepsi;
};

// In the order the captions are tried. An empty table stands for the report's main table.
constexpr Kaynak kKaynaklar[] = {
    {"Cari Kodu", Tur::R, "CARIKART", "Cari_Kod", false},
    {"Cari Ünvanı", Tur::R, "CARIKART", "Unvan", false},
    {"Cari Özel Kod1", Tur::R, "CARIKART", "O_Kod1", true},
    {"Cari Özel Kod2", Tur::R, "CARIKART", "O_Kod2", true},
    {"Cari Özel Kod3", Tur::R, "CARIKART", "O_Kod3", true},
    {"Cari Grup Kodu", Tur::R, "CARIKART", "Grup_Kod", true},
    {"İlçe", Tur::R, "CARIKART", "Ilce", true},
    {"Şehir", Tur::R, "CARIKART", "Sehir", true},
    {"Vergi Dairesi", Tur::R, "CARIKART", "Vergi_Dairesi", true},
    {"Kasa Kodu", Tur::R, "KASAKART", "Kasa_Kod", true},
    {"Kasa Adı", Tur::R, "KASAKART", "Kasa_Ad", true},
    {"Kasa Özel Kodu", Tur::R, "KASAKART", "O_Kod", true},
    {"Stok Kodu", Tur::R, "STOKKART", "Stok_Kod", false},
    {"Stok Adı", Tur::R, "STOKKART", "Stok_Ad", false},
    {"KDV", Tur::R, "STOKKART", "KDV", true},
    {"Ana Birim", Tur::R, "STOKKART", "Ana_Birim", true},
    {"2. Birim", Tur::R, "STOKKART", "Birim2", true},
    {"3. Birim", Tur::R, "STOKKART", "Birim3", true},
    {"Üretici Firma", Tur::R, "STOKKART", "Uretici_Firma", true},
    {"Stok Özel Kod1", Tur::R, "STOKKART", "O_Kod", true},
    {"Stok Özel Kod2", Tur::R, "STOKKART", "O_Kod2", true},
    {"Stok Özel Kod3", Tur::R, "STOKKART", "O_Kod3", true},
    {"Stok Grup Kodu", Tur::R, "STOKKART", "Grup_Kod", true},
    {"Banka Adı", Tur::R, "HESAPKART", "Banka_Ad", false},
    {"Banka Özel Kodu", Tur::R, "HESAPKART", "O_Kod", true},
    {"Anlaşma Taksit Sayısı", Tur::R, "POSANLASMA", "Taksit_Sayisi", true},
    {"Anlaşma Acıklaması", Tur::R, "POSANLASMA", "Aciklama", true},
    {"Anlaşma Provizyonu", Tur::R, "POSANLASMA", "Opsiyon_Gun", true},
    {"Anlaşma Kesinti Oranı", Tur::R, "POSANLASMA", "Kesinti_Orani", true},
    {"Satıcı Kodu", Tur::Cift, "S1", "", true},
    {"Satıcı Adı", Tur::Cift, "S2", "", true},
    {"Ambar No", Tur::Cift, "A1", "", true},
    {"Ambar Adı", Tur::Cift, "A2", "", true},
    {"Hizmet Kodu", Tur::R, "HIZMETTANIM", "Kod", true},
    {"Hizmet Adı", Tur::R, "HIZMETTANIM", "Ad", true},
    {"Masraf Kodu", Tur::R, "MASRAFTANIM", "Kod", true},
    {"Masraf Adı", Tur::R, "MASRAFTANIM", "Ad", true},
    {"İndirim Kodu", Tur::R, "INDIRIMTANIM", "Kod", true},
    {"İndirim Adı", Tur::R, "INDIRIMTANIM", "Ad", true},
    {"Sablon Kodu", Tur::P, "SABLONKART", "Sablon_Kod", true},
    {"Sablon Adı", Tur::P, "SABLONKART", "Sablon_Ad", true},
    {"İşlem Özel Kodu", Tur::P, "", "O_Kod", true},
    {"İşlem Belge No", Tur::P, "", "Belge_No", true},
    {"Doviz Kod", Tur::P, "DOVIZTANIM", "Doviz_Kod", true},
    {"Doviz Ad", Tur::P, "DOVIZTANIM", "Doviz_Ad", true},
    {"Fatura Özel Kod", Tur::P, "FATURAKART", "O_Kod", true},
    {"Raporlama Tarihi", Tur::Bugun, "", "", false},
    {"İşyeri Kodu", Tur::Cift, "I1", "", true},
    {"İşyeri Adı", Tur::Cift, "I2", "", true},
    {"Satır Tipi", Tur::P, "FATURAHAREKET", "Satir_Tipi", true},
};

const Kaynak* kaynak(const QString& baslik) {
    for (const Kaynak& k : kKaynaklar)
        if (baslik == QString::fromUtf8(k.baslik)) return &k;
    return nullptr;
}

QString ciftSorgusu(const QString& anahtar) {
    const Degiskenler& d = degiskenler();
    if (anahtar == QLatin1String("S1")) return QStringLiteral("SELECT DISTINCT Satici_Kodu as Deger, Satici_Adi as Deger2 FROM SATICI");
    if (anahtar == QLatin1String("S2")) return QStringLiteral("SELECT DISTINCT Satici_Adi as Deger, Satici_Kodu as Deger2 FROM SATICI");
    if (anahtar == QLatin1String("A1") || anahtar == QLatin1String("A2")) {
        const QString s = anahtar == QLatin1String("A1")
                              ? QStringLiteral("SELECT DISTINCT Ambar_No as Deger,  Ambar_Ad as Deger2 FROM AMBAR")
                              : QStringLiteral("SELECT DISTINCT Ambar_Ad as Deger,  Ambar_No as Deger2 FROM AMBAR");
        return d.AmbarListesi.isEmpty() ? s : s + QStringLiteral(" WHERE Ambar_No ") + d.AmbarListesi;
    }
    const QString s = anahtar == QLatin1String("I1")
                          ? QStringLiteral("SELECT DISTINCT Isyeri_Kodu as Deger,  Isyeri_Adi as Deger2 FROM ISYERITANIM")
                          : QStringLiteral("SELECT DISTINCT Isyeri_Adi as Deger,  Isyeri_Kodu as Deger2 FROM ISYERITANIM");
    return d.IsyeriListesi.isEmpty() ? s + u' ' : s + QStringLiteral(" WHERE Isyeri_Kodu ") + d.IsyeriListesi;
}

// A field as the list shows it: numbers with the regional decimal separator,
// dates in the short form, text trimmed.
QString listeMetni(const Deger& v) {
    switch (v.tur()) {
    case Deger::Tur::Ondalik:
    case Deger::Tur::Para:
        return v.metin().replace(u'.', degiskenler().OndalikAyirac.isEmpty() ? QStringLiteral(",") : degiskenler().OndalikAyirac);
    case Deger::Tur::Tarih: return Kisa_Tarih(v.tarih().date());
    default: return v.metinVeyaBos().trimmed();
    }
}

// Runs the query and calls `satir` for each record whose Deger holds
// something; true when the query gave any record, empty ones included.
template <typename F> bool oku(const QString& sql, F&& satir) {
    Degiskenler& d = degiskenler();
    Kayit_Ac(d.OrtakKayit, sql);
    bool kayitVar = false;
    while (!d.OrtakKayit->Eof()) {
        kayitVar = true;
        const QString deger = listeMetni(d.OrtakKayit->Fields(QStringLiteral("Deger")));
        if (!deger.isEmpty()) satir(deger);
        d.OrtakKayit->MoveNext();
    }
    return kayitVar;
}

} // namespace

QString Secenek_Sorgusu(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    if (!k || k->tur == Tur::Bugun) return {};
    if (k->tur == Tur::Cift) return ciftSorgusu(QString::fromLatin1(k->tablo));
    const QString tablo = *k->tablo ? QString::fromLatin1(k->tablo) : degiskenler().RaporKodu;
    const QString sutun = QString::fromLatin1(k->sutun);
    if (k->tur == Tur::R) return QStringLiteral("SELECT DISTINCT RTRIM(%1) as Deger FROM %2 ORDER BY RTRIM(%1)").arg(sutun, tablo);
    return QStringLiteral("SELECT DISTINCT %1 as Deger FROM %2").arg(sutun, tablo);
}

QString Deger_Listesi_Al(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    if (!k) return {};
    QString liste;
    // Only an empty result gives no separator: records with nothing in them still open the list.
    if (oku(Secenek_Sorgusu(baslik), [&liste](const QString& v) { liste += v + u'|'; })) liste.prepend(u'|');
    return k->hepsi ? QStringLiteral("Hepsi") + liste : liste;
}

QString CiftDeger_Listesi_Al(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    if (!k) return {};
    Degiskenler& d = degiskenler();
    QString liste;
    const bool kayitVar = oku(Secenek_Sorgusu(baslik), [&](const QString& v) {
        liste += v + QStringLiteral("  /  ") + listeMetni(d.OrtakKayit->Fields(QStringLiteral("Deger2"))) + u',';
    });
    if (kayitVar) liste.prepend(u',');
    return k->hepsi ? QStringLiteral("Hepsi") + liste : liste;
}

void Secenekleri_Doldur(IzgaraModeli& grid, const std::function<void(int, int)>& ilerleme) {
    const int enFazla = grid.satirSayisi() - 1;
    int deger = 1;
    if (ilerleme) ilerleme(deger, enFazla);
    for (int s = 1; s < grid.satirSayisi(); ++s) {
        QCoreApplication::processEvents();
        const QString baslik = grid.hucre(s, Sutun::FiltreLbl);
        const Kaynak* k = kaynak(baslik);
        if (!k) continue;
        try {
            if (k->tur == Tur::Bugun)
                grid.hucreYaz(s, Sutun::Baslangic, Kisa_Tarih(QDate::currentDate()));
            else if (k->tur == Tur::Cift)
                grid.hucreYaz(s, Sutun::CoktanSecmeSecenek, CiftDeger_Listesi_Al(baslik));
            else
                grid.hucreYaz(s, Sutun::Secenek, Deger_Listesi_Al(baslik));
        } catch (const VeritabaniHatasi&) {
            // The failure has been shown; the template's list stays.
        }
        if (ilerleme) ilerleme(qMin(++deger, enFazla), enFazla);
    }
    if (ilerleme) ilerleme(enFazla, enFazla);
}

void Isyeri_Basligi(const IzgaraModeli& grid) {
    Degiskenler& d = degiskenler();
    d.SeciliIsyerleri.clear();
    try {
        Kayit_Ac(d.OrtakKayit, QStringLiteral("SELECT * FROM ISYERITANIM "));
        if (d.OrtakKayit->RecordCount() <= 1) return;
        for (int s = 1; s < grid.satirSayisi(); ++s) {
            const QString lbl = grid.hucre(s, Sutun::FiltreLbl);
            if (lbl != QStringLiteral("İşyeri Kodu") && lbl != QStringLiteral("İşyeri Adı")) continue;
            if (grid.hucre(s, Sutun::Baslangic) == QLatin1String("Hepsi")) continue;
            Kayit_Ac(d.OrtakKayit, QStringLiteral("SELECT * FROM ISYERITANIM WHERE ") + d.IsyeriKosulu);
            while (!d.OrtakKayit->Eof()) {
                if (!d.SeciliIsyerleri.isEmpty()) d.SeciliIsyerleri += QStringLiteral(" - ");
                d.SeciliIsyerleri += d.OrtakKayit->Fields(QStringLiteral("Isyeri_Adi")).metinVeyaBos();
                d.OrtakKayit->MoveNext();
            }
        }
    } catch (const VeritabaniHatasi&) {
        // Shown already; the header names no workplace.
    }
}
