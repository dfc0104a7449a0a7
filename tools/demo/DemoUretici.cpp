#include "DemoUretici.h"
#include "DemoVerileri.h"
#include "startup/Metin.h"

#include <QDate>
#include <iterator>
#include <random>

namespace {

using D = Deger;
D m(const QString& s) { return D::metinden(s); }
D m(const char* s) { return D::metinden(QString::fromUtf8(s)); }
D t(qint64 n) { return D::tamsayidan(n); }
D b(bool v) { return D::bayraktan(v); }
D p(Para v) { return D::paradan(v); }
D o(double v) { return D::ondaliktan(v); }
D g(const QDate& d, const QTime& s = QTime(0, 0)) { return D::tarihten(QDateTime(d, s)); }
D bos() { return {}; }

TabloAlanu s(const char* ad, const char* tur) { return {QString::fromLatin1(ad), QString::fromLatin1(tur)}; }
// The table's primary key, a whole number as the suite's ID columns are.
TabloAlanu k(const char* ad) { return {QString::fromLatin1(ad), QStringLiteral("INT"), true}; }

class Uretici {
public:
    Uretici(const DemoAyarlari& a, DemoYazici& y) : a_(a), y_(y), rnd_(a.tohum) {}

    void calistir() {
        tanimlar();
        y_.veritabani(a_.firmaVeritabani);
        isyerleriVeAmbarlar();
        kartlar();
        cariler();
        faturalar();
        // Invoices name their warehouse by number, which the suite keeps unique.
        y_.dizin(QStringLiteral("AMBAR"), QStringLiteral("Ambar_No"), DizinTuru::Benzersiz);
        y_.gorunum(QStringLiteral("STOKHIZMETMASRAFINDIRIMLISTESI"),
                   QStringLiteral("SELECT Stok_ID, 'Mal' AS Satir_Tipi, Stok_Kod, Stok_Ad FROM STOKKART"
                                  " UNION ALL SELECT Hizmet_ID, 'Hizmet', Kod, Ad FROM HIZMETTANIM"
                                  " UNION ALL SELECT Masraf_ID, 'Masraf', Kod, Ad FROM MASRAFTANIM"
                                  " UNION ALL SELECT Indirim_ID, 'İndirim', Kod, Ad FROM INDIRIMTANIM"));
        y_.bitir();
    }

private:
    int zar(int alt, int ust) { return std::uniform_int_distribution<int>(alt, ust)(rnd_); }
    bool olasilik(int yuzde) { return zar(1, 100) <= yuzde; }
    template <typename T, size_t N> const T& sec(const T (&dizi)[N]) { return dizi[zar(0, static_cast<int>(N) - 1)]; }

    void tanimlar() {
        y_.veritabani(QStringLiteral("Defination_DB"));
        y_.tablo(QStringLiteral("sysuslng"), {s("sysus_ID", "INT"), s("sysus_nm", "VARCHAR(50)"), s("sysus", "VARCHAR(50)")});
        for (const DemoKullanici& k : demoKullanicilari()) y_.satir({t(k.id), m(k.ad), m(Sifrele(k.sifre))});

        y_.tablo(QStringLiteral("sysfrmlng"), {s("sysfrm_ID", "INT"),
                                               s("sysfrm_nm", "VARCHAR(100)"),
                                               s("sysfrm_kd", "VARCHAR(20)"),
                                               s("sysfrm_dbnm", "VARCHAR(50)"),
                                               s("Mali_Yil_Baslangic", "DATETIME"),
                                               s("Mali_Yil_Bitis", "DATETIME"),
                                               s("AmbarYetkiyeBagli", "BIT"),
                                               s("IsyeriYetkiyeBagli", "BIT"),
                                               s("AnaParaVirgul", "INT"),
                                               s("BirimFiyatVirGul", "INT"),
                                               s("DovizVirgul", "INT"),
                                               s("DovizBirimFiyatVirgul", "INT"),
                                               s("KurVirgul", "INT"),
                                               s("DovizVar", "BIT"),
                                               s("RenkBedenVar", "BIT"),
                                               s("PosVar", "BIT"),
                                               s("BarkodVar", "BIT"),
                                               s("HareketKilit", "BIT"),
                                               s("OzelRenkli", "TINYINT"),
                                               s("Renk_Ozel", "INT"),
                                               s("Renk_TL", "INT"),
                                               s("Renk_Doviz", "INT"),
                                               s("SatirISK_Dahil", "BIT"),
                                               s("FaturaAltiISK_Dahil", "BIT"),
                                               s("Masraflar_Dahil", "BIT"),
                                               s("StokMinSeviye", "TINYINT"),
                                               s("StokMinRenk", "INT"),
                                               s("StokMaxSeviye", "TINYINT"),
                                               s("StokMaxRenk", "INT"),
                                               s("StokSFRSeviye", "TINYINT"),
                                               s("StokSFRRenk", "INT"),
                                               s("StokSeviyeOzelKontrol", "MONEY"),
                                               s("KDV_Dahildir", "BIT"),
                                               s("DefKDV", "MONEY"),
                                               s("KrediLimiti", "MONEY"),
                                               s("KasaHareketListeTipi", "INT")});
        // A trailing blank in the name, as the suite's forms often store it.
        y_.satir({t(1),
                  m("Anadolu Ticaret ve Sanayi A.Ş.  "),
                  m("DEMO"),
                  m(a_.firmaVeritabani),
                  g(QDate(2026, 1, 1)),
                  g(QDate(2026, 12, 31)),
                  b(true),
                  b(true),
                  t(2),
                  t(3),
                  t(2),
                  t(4),
                  t(4),
                  b(true),
                  b(false),
                  b(true),
                  b(true),
                  b(false),
                  t(1),
                  t(0xFFC0C0),
                  t(0xFFFFFF),
                  t(0xC0FFC0),
                  b(true),
                  b(false),
                  b(true),
                  t(1),
                  t(0x0000FF),
                  t(2),
                  t(0x00FF00),
                  t(3),
                  t(0x808080),
                  p(Para::tamdan(10)),
                  b(false),
                  p(Para::tamdan(20)),
                  bos(),
                  t(1)});

        y_.tablo(QStringLiteral("sysusfrmlng"), {s("sysus_ID", "INT"), s("sysfrm_ID", "INT")});
        for (const DemoKullanici& k : demoKullanicilari()) y_.satir({t(k.id), t(1)});

        y_.tablo(QStringLiteral("Kullanici"),
                 {s("Firma_ID", "INT"), s("Kullanici_ID", "INT"), s("BR", "BIT"), s("CR", "BIT"), s("SR", "BIT"), s("KR", "BIT")});
        y_.satir({t(1), t(1), b(true), b(true), b(true), b(true)});
        y_.satir({t(1), t(2), b(true), b(true), b(false), b(true)});
        y_.satir({t(1), t(3), b(false), b(true), b(false), b(false)});
    }

    void isyerleriVeAmbarlar() {
        y_.tablo(QStringLiteral("ISYERITANIM"), {k("Isyeri_ID"), s("Isyeri_Kodu", "VARCHAR(10)"), s("Isyeri_Adi", "VARCHAR(60)")});
        y_.satir({t(1), m("01"), m("Merkez İşyeri - İstanbul")});
        y_.satir({t(2), m("02"), m("Ankara Şubesi")});
        y_.satir({t(3), m("03"), m("İzmir Şubesi")});

        y_.tablo(QStringLiteral("AMBAR"),
                 {k("Ambar_ID"), s("Ambar_No", "VARCHAR(10)"), s("Ambar_Ad", "VARCHAR(60)"), s("Isyeri_ID", "INT")});
        y_.satir({t(1), m("1"), m("Merkez Depo"), t(1)});
        y_.satir({t(2), m("2"), m("Hammadde Deposu"), t(1)});
        y_.satir({t(3), m("3"), m("Ankara Depo"), t(2)});
        y_.satir({t(4), m("4"), m("İzmir Depo"), t(3)});

        y_.tablo(QStringLiteral("KULLANICIISYERI"), {s("Kullanici_ID", "INT"), s("Isyeri_Kodu", "VARCHAR(10)")});
        y_.satir({t(2), m("01 ")}); // stored with a trailing blank
        y_.satir({t(2), m("03")});
        y_.tablo(QStringLiteral("KULLANICIAMBAR"), {s("Kullanici_ID", "INT"), s("Ambar_No", "VARCHAR(10)")});
        y_.satir({t(2), m("1")});
        y_.satir({t(2), m("4")});
    }

    void kartlar() {
        y_.tablo(QStringLiteral("SATICI"), {k("Satici_ID"), s("Satici_Kodu", "VARCHAR(20)"), s("Satici_Adi", "VARCHAR(60)")});
        const char* saticilar[] = {"Ahmet Yılmaz", "Ayşe Kaya", "Mehmet Demir", "Fatma Çelik", "Mustafa Şahin", "Zeynep Öztürk"};
        for (int i = 0; i < 6; ++i) y_.satir({t(i + 1), m(QStringLiteral("S%1").arg(i + 1, 2, 10, QLatin1Char('0'))), m(saticilar[i])});

        y_.tablo(QStringLiteral("DOVIZTANIM"), {k("Doviz_ID"), s("Doviz_Kod", "VARCHAR(10)"), s("Doviz_Ad", "VARCHAR(40)")});
        y_.satir({t(1), m("TL"), m("Türk Lirası")});
        y_.satir({t(2), m("USD"), m("Amerikan Doları")});
        y_.satir({t(3), m("EUR"), m("Euro")});
        y_.satir({t(4), m("GBP"), m("İngiliz Sterlini")});

        y_.tablo(QStringLiteral("KASAKART"),
                 {k("Kasa_ID"), s("Kasa_Kod", "VARCHAR(20)"), s("Kasa_Ad", "VARCHAR(60)"), s("O_Kod", "VARCHAR(20)")});
        y_.satir({t(1), m("K01"), m("Merkez Kasa"), m("TL")});
        y_.satir({t(2), m("K02"), m("Ankara Kasa"), m("TL")});
        y_.satir({t(3), m("K03"), m("Döviz Kasası"), m("DÖVİZ")});

        y_.tablo(QStringLiteral("HESAPKART"),
                 {s("Hesap_ID", "INT"), s("Banka_Ad", "VARCHAR(60)"), s("O_Kod", "VARCHAR(20)"), s("Hesap_No", "VARCHAR(40)")});
        const char* bankalar[] = {"Ziraat Bankası", "İş Bankası", "Garanti BBVA", "Yapı Kredi"};
        for (int i = 0; i < 4; ++i)
            y_.satir({t(i + 1), m(bankalar[i]), m(i % 2 ? "TİCARİ" : "MEVDUAT"),
                      m(QStringLiteral("TR33 0006 1005 1978 6457 8413 %1").arg(26 + i * 7, 2, 10, QLatin1Char('0')))});

        y_.tablo(QStringLiteral("POSANLASMA"), {s("Anlasma_ID", "INT"), s("Hesap_ID", "INT"), s("Taksit_Sayisi", "INT"),
                                                s("Aciklama", "VARCHAR(60)"), s("Opsiyon_Gun", "INT"), s("Kesinti_Orani", "FLOAT")});
        const int taksitler[] = {1, 3, 6, 9, 12};
        for (int i = 0; i < 5; ++i)
            y_.satir({t(i + 1), t(i % 4 + 1), t(taksitler[i]), m(QStringLiteral("%1 Taksit Anlaşması").arg(taksitler[i])),
                      t(taksitler[i] == 1 ? 1 : 30), o(1.5 + i * 0.75)});

        y_.tablo(QStringLiteral("STOKKART"),
                 {k("Stok_ID"), s("Stok_Kod", "VARCHAR(30)"), s("Stok_Ad", "VARCHAR(80)"), s("KDV", "FLOAT"), s("Ana_Birim", "VARCHAR(10)"),
                  s("Birim2", "VARCHAR(10)"), s("Birim3", "VARCHAR(10)"), s("Uretici_Firma", "VARCHAR(60)"), s("O_Kod", "VARCHAR(20)"),
                  s("O_Kod2", "VARCHAR(20)"), s("O_Kod3", "VARCHAR(20)"), s("Grup_Kod", "VARCHAR(20)"), s("Satis_Fiyati", "MONEY")});
        const char* gruplar[] = {"GIDA",     "TEMİZLİK", "KIRTASİYE", "YAPI",    "TEKSTİL", "MOBİLYA",
                                 "ELEKTRİK", "OTOMOTİV", "TARIM",     "BİLİŞİM", "MEDİKAL", "AMBALAJ"};
        int i = 0;
        for (const StokTanimi& st : kStoklar) {
            ++i;
            y_.satir({t(i), m(QStringLiteral("STK%1").arg(i, 4, 10, QLatin1Char('0'))), m(st.ad), o(st.kdv), m(st.birim),
                      m(i % 3 ? "KOLİ" : ""), bos(), m(QString::fromUtf8(sec(kSoyadlar)) + QStringLiteral(" Üretim")), m(i % 2 ? "A" : "B"),
                      m(i % 5 ? "" : "KAMPANYA"), bos(), m(gruplar[(i - 1) * 12 / static_cast<int>(std::size(kStoklar))]),
                      p(Para::hamdan(st.fiyatKurus * 100LL))});
        }

        const auto hizmetTablosu = [this](const char* tablo, const char* idAdi, const auto& liste) {
            y_.tablo(QString::fromLatin1(tablo), {k(idAdi), s("Kod", "VARCHAR(20)"), s("Ad", "VARCHAR(60)"), s("KDV", "FLOAT")});
            int n = 0;
            for (const HizmetTanimi& h : liste) y_.satir({t(++n), m(h.kod), m(h.ad), o(h.kdv)});
        };
        hizmetTablosu("HIZMETTANIM", "Hizmet_ID", kHizmetler);
        hizmetTablosu("MASRAFTANIM", "Masraf_ID", kMasraflar);
        hizmetTablosu("INDIRIMTANIM", "Indirim_ID", kIndirimler);

        y_.tablo(QStringLiteral("SABLONKART"), {k("Sablon_ID"), s("Sablon_Kod", "VARCHAR(20)"), s("Sablon_Ad", "VARCHAR(60)")});
        y_.satir({t(1), m("STD"), m("Standart Fatura")});
        y_.satir({t(2), m("EFT"), m("e-Fatura")});
        y_.satir({t(3), m("EAR"), m("e-Arşiv Fatura")});
        y_.satir({t(4), m("IHR"), m("İhracat Faturası")});
    }

    void cariler() {
        cariSayisi_ = a_.cariSayisi > 0 ? a_.cariSayisi : std::max(300, a_.faturaSayisi / 20);
        y_.tablo(QStringLiteral("CARIKART"),
                 {k("Cari_ID"), s("Cari_Kod", "VARCHAR(30)"), s("Unvan", "VARCHAR(100)"), s("O_Kod1", "VARCHAR(20)"),
                  s("O_Kod2", "VARCHAR(20)"), s("O_Kod3", "VARCHAR(20)"), s("Grup_Kod", "VARCHAR(20)"), s("Ilce", "VARCHAR(40)"),
                  s("Sehir", "VARCHAR(40)"), s("Vergi_Dairesi", "VARCHAR(40)"), s("Vergi_No", "VARCHAR(20)"), s("Telefon", "VARCHAR(20)")});
        const char* cariGruplari[] = {"TOPTAN", "PERAKENDE", "KAMU", "İHRACAT", "TEDARİKÇİ"};
        for (int i = 1; i <= cariSayisi_; ++i) {
            const SehirIlce& si = sec(kSehirler);
            const QString ilce = QString::fromUtf8(si.ilceler[zar(0, 3)]);
            QString unvan =
                QStringLiteral("%1 %2 %3")
                    .arg(QString::fromUtf8(sec(kSoyadlar)), QString::fromUtf8(sec(kSektorler)), QString::fromUtf8(sec(kSirketTurleri)));
            if (i % 50 == 0) unvan += u' '; // trailing blanks exist in real data
            if (a_.unvanUzunlugu > 0) {
                const QString tek = unvan + u' ';
                while (unvan.size() < a_.unvanUzunlugu) unvan += tek;
                unvan.truncate(a_.unvanUzunlugu);
            }
            const bool tedarikci = i % 5 == 0;
            y_.satir({t(i),
                      m(QStringLiteral("%1.%2")
                            .arg(tedarikci ? QStringLiteral("320.01") : QStringLiteral("120.01"))
                            .arg(i, 5, 10, QLatin1Char('0'))),
                      m(unvan),
                      m(i % 3 == 0   ? "BAYİ"
                        : i % 3 == 1 ? "SON KULLANICI"
                                     : "DİSTRİBÜTÖR"),
                      i % 7 == 0 ? bos() : m(QStringLiteral("BÖLGE-%1").arg(i % 4 + 1)), bos(),
                      m(tedarikci ? "TEDARİKÇİ" : cariGruplari[i % 4]), m(ilce), m(si.sehir), m(QStringLiteral("%1 V.D.").arg(ilce)),
                      m(QStringLiteral("%1").arg(1000000000LL + i * 7919LL % 8999999999LL)),
                      m(QStringLiteral("0%1 %2 %3").arg(zar(212, 488)).arg(zar(100, 999)).arg(zar(1000, 9999)))});
        }
    }

    void faturalar() {
        y_.tablo(QStringLiteral("FATURAKART"), {k("Fatura_ID"),
                                                s("Tarih", "DATETIME"),
                                                s("Fis_No", "VARCHAR(20)"),
                                                s("Belge_No", "VARCHAR(20)"),
                                                s("Islem_Tipi", "VARCHAR(30)"),
                                                s("Cari_ID", "INT"),
                                                s("Satici_ID", "INT"),
                                                s("Isyeri_ID", "INT"),
                                                s("Ambar_No", "VARCHAR(10)"),
                                                s("Doviz_ID", "INT"),
                                                s("Sablon_ID", "INT"),
                                                s("O_Kod", "VARCHAR(20)"),
                                                s("Ozel", "VARCHAR(40)"),
                                                s("Aciklama", "VARCHAR(200)"),
                                                s("KDV_Dahil", "BIT"),
                                                s("Vade", "INT"),
                                                s("Ara_Toplam", "MONEY"),
                                                s("ISK_Tutar", "MONEY"),
                                                s("KDV_Tutar", "MONEY"),
                                                s("Net_Tutar", "MONEY")});
        // Lines are written after the invoices, so they are kept until then.
        std::vector<QList<Deger>> satirlar;
        satirlar.reserve(static_cast<size_t>(a_.faturaSayisi) * 3);
        const QDate ilk(2025, 1, 1);
        const int gunler = static_cast<int>(ilk.daysTo(QDate(2026, 12, 31))) + 1;
        std::vector<int> sayac(std::size(kIslemTipleri), 0);
        const int toplamAgirlik = [] {
            int a = 0;
            for (const auto& it : kIslemTipleri) a += it.agirlik;
            return a;
        }();
        const int ambarIsyeri[] = {1, 1, 2, 3};
        const char* aciklamalar[] = {"Sipariş No: %1 teslim edildi", "Kampanya kapsamında satış", "Vadeli satış - %1 gün",
                                     "Fiyat farkı faturası",         "Yıl sonu stok devri",       "Proje teslimatı %1"};
        int hareketId = 0;
        for (int f = 1; f <= a_.faturaSayisi; ++f) {
            const QDate tarih = ilk.addDays(static_cast<qint64>(f - 1) * gunler / a_.faturaSayisi);
            int secim = zar(1, toplamAgirlik), tip = 0;
            while (secim > kIslemTipleri[tip].agirlik) secim -= kIslemTipleri[tip++].agirlik;
            const IslemTipi& it = kIslemTipleri[tip];
            const int ambar = zar(1, 4);
            const bool kdvDahil = olasilik(30);
            const int vadeler[] = {0, 15, 30, 45, 60, 90};
            const int vade = sec(vadeler);
            Para ara, isk, kdv, net;
            const int satirSayisi = zar(1, 5);
            for (int k = 0; k < satirSayisi; ++k) {
                QString satirTipi = QStringLiteral("Mal");
                int stokId, kdvOrani;
                QString birim;
                double miktar;
                Para fiyat;
                const int r = zar(1, 100);
                if (tip == 4 || r <= 12) {
                    satirTipi = QStringLiteral("Hizmet");
                    stokId = zar(1, static_cast<int>(std::size(kHizmetler)));
                    kdvOrani = kHizmetler[stokId - 1].kdv;
                    birim = QStringLiteral("SAAT");
                    miktar = zar(1, 40);
                    fiyat = Para::tamdan(zar(250, 4000));
                } else if (r <= 18) {
                    satirTipi = QStringLiteral("Masraf");
                    stokId = zar(1, static_cast<int>(std::size(kMasraflar)));
                    kdvOrani = kMasraflar[stokId - 1].kdv;
                    birim = QStringLiteral("ADET");
                    miktar = 1;
                    fiyat = Para::hamdan(zar(5000, 250000) * 100LL);
                } else {
                    stokId = zar(1, static_cast<int>(std::size(kStoklar)));
                    const StokTanimi& st = kStoklar[stokId - 1];
                    kdvOrani = st.kdv;
                    birim = QString::fromUtf8(st.birim);
                    const bool kesirli = birim == QLatin1String("KG") || birim == QLatin1String("METRE") || birim == QLatin1String("TON");
                    miktar = kesirli ? zar(5, 2500) / (birim == QLatin1String("TON") ? 1000.0 : 10.0) : zar(1, 60);
                    // Prices move a little over two years.
                    fiyat = Para::hamdan(st.fiyatKurus * 100LL * (1000 + zar(-50, 150)) / 1000 / 100 * 100);
                }
                const Para brut = Para::ondaliktan(miktar * fiyat.ondalik()).yuvarla(2);
                // A VAT-inclusive invoice keeps the gross amount; the amount without VAT is derived.
                const Para tutar = kdvDahil ? Para::ondaliktan(brut.ondalik() * (1 + kdvOrani / 100.0)).yuvarla(2) : brut;
                const Para haric = kdvDahil ? Para::ondaliktan(tutar.ondalik() / (1 + kdvOrani / 100.0)) : tutar;
                const Para iskonto = olasilik(25) ? Para::ondaliktan(haric.ondalik() * zar(2, 15) / 100.0).yuvarla(2) : Para();
                const Para kdvTutar = Para::ondaliktan((haric - iskonto).ondalik() * kdvOrani / 100.0).yuvarla(2);
                ara += haric;
                isk += iskonto;
                kdv += kdvTutar;
                net += haric - iskonto + kdvTutar;
                satirlar.push_back({t(++hareketId), t(f), m(satirTipi), t(stokId), g(tarih), o(miktar), m(birim), p(fiyat), p(tutar),
                                    o(kdvOrani), p(iskonto), p(kdvTutar)});
            }
            if (olasilik(8)) {
                // A discount line lowers the invoice by a round amount.
                const Para indirim = Para::tamdan(zar(1, 20) * 50);
                const Para kdvTutar = Para::ondaliktan(-indirim.ondalik() * 0.20).yuvarla(2);
                ara -= indirim;
                kdv += kdvTutar;
                net += -indirim + kdvTutar;
                satirlar.push_back({t(++hareketId), t(f), m("İndirim"), t(zar(1, static_cast<int>(std::size(kIndirimler)))), g(tarih), o(1),
                                    m("ADET"), p(-indirim), p(-indirim), o(20), p(Para()), p(kdvTutar)});
            }
            const int no = ++sayac[tip];
            QString aciklama;
            if (!olasilik(35)) {
                aciklama = QString::fromUtf8(sec(aciklamalar));
                if (aciklama.contains(QLatin1String("%1"))) aciklama = aciklama.arg(zar(100, 99999));
            }
            y_.satir(
                {t(f),
                 g(tarih),
                 m(QStringLiteral("%1%2%3").arg(QString::fromLatin1(it.onEk)).arg(tarih.year() % 100).arg(no, 5, 10, QLatin1Char('0'))),
                 m(QStringLiteral("%1%2").arg(QChar(u'A' + tip)).arg(100000 + f)),
                 m(it.ad),
                 t(zar(1, cariSayisi_)),
                 t(zar(1, 6)),
                 t(ambarIsyeri[ambar - 1]),
                 m(QString::number(ambar)),
                 t(olasilik(90) ? 1 : zar(2, 4)),
                 t(zar(1, 4)),
                 olasilik(70) ? m(f % 3 ? "NORMAL" : "ÖNCELİKLİ") : bos(),
                 m(""),
                 aciklama.isEmpty() ? bos() : m(aciklama),
                 b(kdvDahil),
                 t(vade),
                 p(ara),
                 p(isk),
                 p(kdv),
                 p(net)});
        }
        y_.dizin(QStringLiteral("FATURAKART"), QStringLiteral("Tarih"), DizinTuru::Duz);
        y_.dizin(QStringLiteral("FATURAKART"), QStringLiteral("Cari_ID"), DizinTuru::Duz);
        y_.tablo(QStringLiteral("FATURAHAREKET"),
                 {k("Hareket_ID"), s("Fatura_ID", "INT"), s("Satir_Tipi", "VARCHAR(20)"), s("Stok_ID", "INT"), s("Tarih", "DATETIME"),
                  s("Miktar", "FLOAT"), s("Birim", "VARCHAR(10)"), s("Birim_Fiyat", "MONEY"), s("Tutar", "MONEY"), s("KDV", "FLOAT"),
                  s("ISK_Tutar", "MONEY"), s("KDV_Tutar", "MONEY")});
        for (const auto& satir : satirlar) y_.satir(satir);
        // Covers the reports' test of an invoice's line types without reading the lines.
        y_.dizin(QStringLiteral("FATURAHAREKET"), QStringLiteral("Fatura_ID, Satir_Tipi"), DizinTuru::Duz);
    }

    const DemoAyarlari& a_;
    DemoYazici& y_;
    std::mt19937 rnd_;
    int cariSayisi_ = 0;
};

} // namespace

QList<DemoKullanici> demoKullanicilari() {
    return {
        {1, QStringLiteral("KARMENA"), QStringLiteral("1234"), QStringLiteral("every right")},
        {2, QStringLiteral("MUHASEBE"), QStringLiteral("abc"), QStringLiteral("workplaces 01 and 03, warehouses 1 and 4")},
        {3, QStringLiteral("STAJYER"), QStringLiteral("stajyer"), QStringLiteral("no right to this report")},
    };
}

void demoUret(const DemoAyarlari& ayarlar, DemoYazici& yazici) { Uretici(ayarlar, yazici).calistir(); }
