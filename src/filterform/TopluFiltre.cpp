#include "filterform/TopluFiltre.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreIzgarasi.h"
#include "platform/sistem/Mesaj.h"
#include "query/Sorgu.h"
#include "startup/ProgramSonu.h"
#include "template/Sablon.h"

namespace {

using Tur = KomutSatiri::Duzenleme::Tur;

[[noreturn]] void hata(const QString& metin) { throw KullanimHatasi{metin}; }

// A pick-only list ("a|b", not starting with "|") takes only its own items.
void listedeOlmali(FiltreFormu& form, int satir, const QString& baslik, const QString& deger) {
    if (form.listeyeUyar(satir, deger)) return;
    hata(QStringLiteral("\"%1\" is not in the list of \"%2\": %3").arg(deger, baslik, form.FiltreGrd.hucre(satir, Sutun::Secenek)));
}

// The option a choice names: its whole text, or the code before "  /  ".
QString secenekBul(const QStringList& secenekler, const QString& ad) {
    for (const QString& s : secenekler)
        if (s == ad) return s;
    for (const QString& s : secenekler)
        if (s.section(QStringLiteral("  /  "), 0, 0).trimmed() == ad.trimmed()) return s;
    return {};
}

} // namespace

void Toplu_Duzenlemeleri_Uygula(FiltreFormu& form, const QList<KomutSatiri::Duzenleme>& duzenlemeler) {
    IzgaraModeli& g = form.FiltreGrd;
    for (const auto& d : duzenlemeler) {
        const QList<int> satirlar = form.satirlar(d.baslik);
        if (satirlar.isEmpty()) hata(QStringLiteral("no filter row is captioned \"%1\"").arg(d.baslik));
        for (int s : satirlar) {
            switch (d.tur) {
            case Tur::Baslangic:
            case Tur::Bitis: {
                if (form.cokluSecimSatiri(s)) hata(QStringLiteral("\"%1\" is a multiple choice: use --choose").arg(d.baslik));
                const QString tip = g.hucre(s, Sutun::Tip);
                if (d.tur == Tur::Bitis && !Aralik_Mi(Satir_Tipi(tip))) hata(QStringLiteral("\"%1\" has no end value").arg(d.baslik));
                listedeOlmali(form, s, d.baslik, d.deger);
                form.duzenle(s, d.tur == Tur::Baslangic ? Sutun::Baslangic : Sutun::Bitis, d.deger);
                break;
            }
            case Tur::Secim: {
                if (!form.cokluSecimSatiri(s)) hata(QStringLiteral("\"%1\" is not a multiple choice").arg(d.baslik));
                const QStringList secenekler = form.secenekler(s);
                QStringList secilen;
                for (const QString& ad : d.deger.split(u';', Qt::SkipEmptyParts)) {
                    if (ad == QLatin1String("Hepsi")) {
                        secilen = {ad};
                        break;
                    }
                    const QString bulunan = secenekBul(secenekler, ad);
                    if (bulunan.isEmpty()) hata(QStringLiteral("\"%1\" offers no option \"%2\"").arg(d.baslik, ad));
                    secilen << bulunan;
                }
                form.secimiKaydet(s, secilen);
                break;
            }
            case Tur::Aktif: {
                const QString v = d.deger.trimmed();
                if (v.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
                    g.hucreYaz(s, Sutun::Girsin, QStringLiteral("True"));
                else if (v.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
                    g.hucreYaz(s, Sutun::Girsin, QStringLiteral("False"));
                else
                    hata(QStringLiteral("--active takes True or False, not \"%1\"").arg(d.deger));
                break;
            }
            }
        }
    }
}

void Toplu_Formu_Hazirla(const KomutSatiri& k, FiltreFormu& form) {
    const QString mesaj = form.yukle(k.sablon.isEmpty() ? Master_Yolu() : k.sablon);
    if (!mesaj.isEmpty()) {
        MsgBox(mesaj, Simge::Kritik);
        throw ProgramSonu{1};
    }
    form.etkinlestir();
    Toplu_Duzenlemeleri_Uygula(form, k.duzenlemeler);
}

SorguDurumu Toplu_Sorgu_Olustur(FiltreFormu& form, const Oturum& oturum) {
    SorguDurumu d = Sorgu_Olustur(form.FiltreGrd, Sorgu_Ortami(oturum, form.sablon()), {});
    if (!d.HataMesaji.isEmpty()) {
        MsgBox(d.HataMesaji);
        throw ProgramSonu{1};
    }
    return d;
}
