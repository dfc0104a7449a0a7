#include "filterform/Secenekler.h"
#include "filterform/FiltreIzgarasi.h"
#include "platform/izgara/IzgaraModeli.h"
#include "platform/veritabani/SqlMetni.h"
#include "bant/VeritabaniHatasi.h"
#include "query/Sorgu.h"
#include "startup/BolgeselAyar.h"
#include "startup/Veritabani.h"

#include <QCoreApplication>
#include <QDate>
#include <QRegularExpression>

namespace {

// R and P: the two query forms; Cift: a two-column list; Bugun: today's
// date; Satir: the line types, which the report itself defines.
enum class Tur { R, P, Cift, Bugun, Satir };

struct Kaynak {
    const char* baslik;
    Tur tur;
    const char* tablo; // for pairs: the query key (S1, S2, A1, A2, I1, I2)
    const char* alan;
    bool hepsi;
    // Grows with the company (customers, stock, transactions): read on first
    // use, not at activation, so that start-up does not grow with the company.
    bool buyuyen = false;
};

// In the order the captions are tried. An empty table stands for the report's main table.
constexpr Kaynak kKaynaklar[] = {
    {"Cari Kodu", Tur::R, "CARIKART", "Cari_Kod", false, true},
    {"Cari Ünvanı", Tur::R, "CARIKART", "Unvan", false, true},
    {"Cari Özel Kod1", Tur::R, "CARIKART", "O_Kod1", true, true},
    {"Cari Özel Kod2", Tur::R, "CARIKART", "O_Kod2", true, true},
    {"Cari Özel Kod3", Tur::R, "CARIKART", "O_Kod3", true, true},
    {"Cari Grup Kodu", Tur::R, "CARIKART", "Grup_Kod", true, true},
    {"İlçe", Tur::R, "CARIKART", "Ilce", true, true},
    {"Şehir", Tur::R, "CARIKART", "Sehir", true, true},
    {"Vergi Dairesi", Tur::R, "CARIKART", "Vergi_Dairesi", true, true},
    {"Kasa Kodu", Tur::R, "KASAKART", "Kasa_Kod", true},
    {"Kasa Adı", Tur::R, "KASAKART", "Kasa_Ad", true},
    {"Kasa Özel Kodu", Tur::R, "KASAKART", "O_Kod", true},
    {"Stok Kodu", Tur::R, "STOKKART", "Stok_Kod", false, true},
    {"Stok Adı", Tur::R, "STOKKART", "Stok_Ad", false, true},
    {"KDV", Tur::R, "STOKKART", "KDV", true, true},
    {"Ana Birim", Tur::R, "STOKKART", "Ana_Birim", true, true},
    {"2. Birim", Tur::R, "STOKKART", "Birim2", true, true},
    {"3. Birim", Tur::R, "STOKKART", "Birim3", true, true},
    {"Üretici Firma", Tur::R, "STOKKART", "Uretici_Firma", true, true},
    {"Stok Özel Kod1", Tur::R, "STOKKART", "O_Kod", true, true},
    {"Stok Özel Kod2", Tur::R, "STOKKART", "O_Kod2", true, true},
    {"Stok Özel Kod3", Tur::R, "STOKKART", "O_Kod3", true, true},
    {"Stok Grup Kodu", Tur::R, "STOKKART", "Grup_Kod", true, true},
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
    {"İşlem Özel Kodu", Tur::P, "", "O_Kod", true, true},
    {"İşlem Belge No", Tur::P, "", "Belge_No", true, true},
    {"Doviz Kod", Tur::P, "DOVIZTANIM", "Doviz_Kod", true},
    {"Doviz Ad", Tur::P, "DOVIZTANIM", "Doviz_Ad", true},
    {"Fatura Özel Kod", Tur::P, "FATURAKART", "O_Kod", true, true},
    {"Raporlama Tarihi", Tur::Bugun, "", "", false},
    {"İşyeri Kodu", Tur::Cift, "I1", "", true},
    {"İşyeri Adı", Tur::Cift, "I2", "", true},
    {"Satır Tipi", Tur::Satir, "FATURAHAREKET", "Satir_Tipi", true},
};

const Kaynak* kaynak(const QString& baslik) {
    for (const Kaynak& k : kKaynaklar)
        if (baslik == QString::fromUtf8(k.baslik)) return &k;
    return nullptr;
}

QString ciftSorgusu(const Kisitlar& d, const QString& anahtar) {
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
QString listeMetni(const ListeOrtami& o, const Deger& v) {
    switch (v.tur()) {
    case Deger::Tur::Ondalik:
    case Deger::Tur::Para: return v.metin().replace(u'.', o.OndalikAyirac.isEmpty() ? QStringLiteral(",") : o.OndalikAyirac);
    case Deger::Tur::Tarih: return Kisa_Tarih(v.tarih().date());
    default: return v.metinVeyaBos().trimmed();
    }
}

int alanNo(const Imlec& imlec, const char* ad) {
    const QStringList& adlar = imlec.alanAdlari();
    for (int i = 0; i < adlar.size(); ++i)
        if (adlar.at(i).compare(QLatin1String(ad), Qt::CaseInsensitive) == 0) return i;
    throw VeritabaniHatasi(HataNo::AlanYok, HataMetni::alanYok());
}

// Streams the query and calls `satir(deger, kayit, imlec)` for each record
// whose Deger holds something, until it returns false; true when the query
// gave any record, empty ones included.
template <typename F> bool oku(const ListeOrtami& o, const QString& sql, F&& satir, const QString& gosterilen = {}) {
    bool kayitVar = false;
    int deger = -1;
    Kayitlari_Dolas(
        *o.baglanti, sql,
        [&](const Imlec& imlec, const QList<Deger>& kayit) {
            if (deger < 0) deger = alanNo(imlec, "Deger");
            kayitVar = true;
            const QString v = listeMetni(o, kayit.at(deger));
            return v.isEmpty() || satir(v, kayit, imlec);
        },
        gosterilen);
    return kayitVar;
}

// The column a one-column list reads, and its table.
QString kaynakAlanu(const Kaynak& k) { return QString::fromLatin1(k.alan); }
QString kaynakTablosu(const Kaynak& k) { return *k.tablo ? QString::fromLatin1(k.tablo) : kRaporKodu; }

// A text as a LIKE pattern matching what starts with it: its wildcards
// escaped with "!", which SQL Server and the embedded store both take.
QString onEkKalibi(const QString& onEk) {
    QString s;
    for (const QChar c : onEk) {
        if (c == u'!' || c == u'%' || c == u'_' || c == u'[') s += u'!';
        s += c;
    }
    return tirnakIci(s) + u'%';
}

const Kaynak* tekAlanliKaynak(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    return k && (k->tur == Tur::R || k->tur == Tur::P || k->tur == Tur::Satir) ? k : nullptr;
}

} // namespace

QString Secenek_Sorgusu(const ListeOrtami& o, const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    if (!k || k->tur == Tur::Bugun) return {};
    if (k->tur == Tur::Cift) return ciftSorgusu(o.kisitlar, QString::fromLatin1(k->tablo));
    const QString tablo = kaynakTablosu(*k);
    const QString alan = kaynakAlanu(*k);
    if (k->tur == Tur::R) return QStringLiteral("SELECT DISTINCT RTRIM(%1) as Deger FROM %2 ORDER BY RTRIM(%1)").arg(alan, tablo);
    return QStringLiteral("SELECT DISTINCT %1 as Deger FROM %2").arg(alan, tablo);
}

bool Ilk_Kullanimda_Okunur(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    return k && k->buyuyen;
}

QString Liste_Basi(const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    return k && k->hepsi ? QStringLiteral("Hepsi") : QStringLiteral("|");
}

std::optional<QString> Deger_Listesi_Al(const ListeOrtami& o, const QString& baslik) {
    const Kaynak* k = tekAlanliKaynak(baslik);
    if (!k) return QString();
    const QString hepsi = k->hepsi ? QStringLiteral("Hepsi") : QString();
    if (k->tur == Tur::Satir) return hepsi + u'|' + Satir_Tipleri().join(u'|') + u'|';
    QString liste;
    int sayi = 0;
    // Only an empty result gives no separator: records with nothing in them still open the list.
    const bool kayitVar = oku(o, Secenek_Sorgusu(o, baslik), [&](const QString& v, const QList<Deger>&, const Imlec&) {
        liste += v;
        liste += u'|';
        return ++sayi <= kEnCokSecenek;
    });
    if (sayi > kEnCokSecenek) return std::nullopt;
    if (kayitVar) liste.prepend(u'|');
    return hepsi + liste;
}

void Secenek_Sorgusunu_Dene(const ListeOrtami& o, const QString& baslik) {
    const Kaynak* k = tekAlanliKaynak(baslik);
    if (!k || k->tur == Tur::Satir) return;
    oku(
        o, QStringLiteral("SELECT TOP 0 %1 as Deger FROM %2").arg(kaynakAlanu(*k), kaynakTablosu(*k)),
        [](const QString&, const QList<Deger>&, const Imlec&) { return false; }, Secenek_Sorgusu(o, baslik));
}

QStringList Baslayan_Degerler(const ListeOrtami& o, const QString& baslik, const QString& onEk) {
    const Kaynak* k = tekAlanliKaynak(baslik);
    if (!k) return {};
    if (k->tur == Tur::Satir)
        return Satir_Tipleri().filter(
            QRegularExpression(u'^' + QRegularExpression::escape(onEk), QRegularExpression::CaseInsensitiveOption));
    const QString alan = kaynakAlanu(*k);
    const QString deger = k->tur == Tur::R ? QStringLiteral("RTRIM(%1)").arg(alan) : alan;
    const QString sql = QStringLiteral("SELECT DISTINCT TOP %1 %2 as Deger FROM %3 WHERE %4 LIKE N'%5' ESCAPE '!' ORDER BY %2")
                            .arg(kOnEkSiniri)
                            .arg(deger, kaynakTablosu(*k), alan, onEkKalibi(onEk));
    QStringList l;
    oku(o, sql, [&l](const QString& v, const QList<Deger>&, const Imlec&) {
        l << v;
        return true;
    });
    return l;
}

bool Listede_Var(const ListeOrtami& o, const QString& baslik, const QString& deger) {
    const Kaynak* k = tekAlanliKaynak(baslik);
    if (!k) return false;
    if (k->tur == Tur::Satir) return Satir_Tipleri().contains(deger);
    const QString alan = kaynakAlanu(*k);
    bool var = false;
    oku(o, QStringLiteral("SELECT TOP 1 %1 as Deger FROM %2 WHERE %1 = N'%3'").arg(alan, kaynakTablosu(*k), tirnakIci(deger)),
        [&](const QString& v, const QList<Deger>&, const Imlec&) {
            var = v == deger;
            return false;
        });
    return var;
}

QString CiftDeger_Listesi_Al(const ListeOrtami& o, const QString& baslik) {
    const Kaynak* k = kaynak(baslik);
    if (!k) return {};
    QString liste;
    int deger2 = -1;
    const bool kayitVar = oku(o, Secenek_Sorgusu(o, baslik), [&](const QString& v, const QList<Deger>& kayit, const Imlec& imlec) {
        if (deger2 < 0) deger2 = alanNo(imlec, "Deger2");
        liste += v + QStringLiteral("  /  ") + listeMetni(o, kayit.at(deger2)) + u',';
        return true;
    });
    if (kayitVar) liste.prepend(u',');
    return k->hepsi ? QStringLiteral("Hepsi") + liste : liste;
}

Doldurulanlar Secenekleri_Doldur(const ListeOrtami& o, IzgaraModeli& grid, const std::function<void(int, int)>& ilerleme) {
    Doldurulanlar sonuc;
    const int enFazla = grid.satirSayisi() - 1;
    int deger = 1;
    if (ilerleme) ilerleme(deger, enFazla);
    for (int s = 1; s < grid.satirSayisi(); ++s) {
        QCoreApplication::processEvents();
        const QString baslik = grid.hucre(s, Sutun::FiltreLbl);
        const Kaynak* k = kaynak(baslik);
        if (!k) continue;
        try {
            if (k->tur == Tur::Bugun) {
                grid.hucreYaz(s, Sutun::Baslangic, Kisa_Tarih(QDate::currentDate()));
            } else if (k->tur == Tur::Cift) {
                grid.hucreYaz(s, Sutun::CoktanSecmeSecenek, CiftDeger_Listesi_Al(o, baslik));
            } else if (k->buyuyen) {
                // Only whether the query can run: a missing table is told now, as it would be.
                Secenek_Sorgusunu_Dene(o, baslik);
                sonuc.ilkKullanimda << s;
            } else if (const std::optional<QString> liste = Deger_Listesi_Al(o, baslik)) {
                grid.hucreYaz(s, Sutun::Secenek, *liste);
            } else {
                grid.hucreYaz(s, Sutun::Secenek, Liste_Basi(baslik));
                sonuc.uzun << s;
            }
        } catch (const VeritabaniHatasi&) {
            // The failure has been shown; the template's list stays.
        }
        if (ilerleme) ilerleme(qMin(++deger, enFazla), enFazla);
    }
    if (ilerleme) ilerleme(enFazla, enFazla);
    return sonuc;
}

QString Isyeri_Basligi(const ListeOrtami& o, const IzgaraModeli& grid, const QString& isyeriKosulu) {
    QString secili;
    try {
        std::shared_ptr<KayitSeti> kayit;
        Kayit_Ac(*o.baglanti, kayit, QStringLiteral("SELECT * FROM ISYERITANIM "));
        if (kayit->RecordCount() <= 1) return secili;
        for (int s = 1; s < grid.satirSayisi(); ++s) {
            const QString lbl = grid.hucre(s, Sutun::FiltreLbl);
            if (lbl != QStringLiteral("İşyeri Kodu") && lbl != QStringLiteral("İşyeri Adı")) continue;
            if (grid.hucre(s, Sutun::Baslangic) == QLatin1String("Hepsi")) continue;
            Kayit_Ac(*o.baglanti, kayit, QStringLiteral("SELECT * FROM ISYERITANIM WHERE ") + isyeriKosulu);
            while (!kayit->Eof()) {
                if (!secili.isEmpty()) secili += QStringLiteral(" - ");
                secili += kayit->Fields(QStringLiteral("Isyeri_Adi")).metinVeyaBos();
                kayit->MoveNext();
            }
        }
    } catch (const VeritabaniHatasi&) {
        // Shown already; the header names no workplace.
    }
    return secili;
}

ListeOrtami Liste_Ortami(const Oturum& oturum) { return {oturum.baglanti, oturum.ayraclar.OndalikAyirac, oturum.kisitlar}; }
