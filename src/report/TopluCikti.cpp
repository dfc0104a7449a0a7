#include "report/TopluCikti.h"
#include "report/AnaRapor.h"
#include "report/RaporUret.h"
#include "bant/ExcelDosyasi.h"
#include "bant/HtmlDosyasi.h"
#include "bant/PdfDosyasi.h"
#include "bant/PngDosyalari.h"
#include "bant/SayfaAlicilari.h"
#include "bant/VeritabaniHatasi.h"
#include "bant/Yazici.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"

#include <QDir>
#include <functional>
#include <memory>
#include <vector>

using namespace Bant;

namespace {

// One file of the batch: the receiver that writes it, the path a failure
// names, and how it is finished (false: it could not be written).
struct DosyaHedefi {
    std::unique_ptr<SayfaAlici> alici;
    QString yol;
    std::function<bool()> bitir;
};

template <typename T> T* hedefEkle(std::vector<DosyaHedefi>& hedefler, const QString& yol, std::unique_ptr<T> alici) {
    T* a = alici.get();
    hedefler.push_back({std::move(alici), yol, [a] { return a->bitir(); }});
    return a;
}

} // namespace

bool Dosyalara_Yaz(const RaporGirdisi& girdi, const TopluCiktilar& c, int* yerineKonan) {
    // In this order they take the pages and are finished; the first that
    // fails is named and the rest are dropped.
    std::vector<DosyaHedefi> hedefler;
    MetinDosyasi* metin = nullptr;
    if (!c.pdf.isEmpty()) hedefEkle(hedefler, c.pdf, std::make_unique<PdfDosyasi>(c.pdf, AnaRapor::baslik(), programBasligi()));
    if (!c.pngKlasoru.isEmpty()) {
        QDir().mkpath(c.pngKlasoru);
        auto png = std::make_unique<PngDosyalari>(c.pngKlasoru);
        PngDosyalari* p = png.get();
        hedefler.push_back({std::move(png), c.pngKlasoru, [p] { return !p->hataVar(); }});
    }
    if (!c.metin.isEmpty()) metin = hedefEkle(hedefler, c.metin, std::make_unique<MetinDosyasi>(c.metin, c.metinSecenekleri));
    const DegerBicimi bicim = AnaRapor::degerBicimi(girdi.ayraclar);
    if (!c.excel.isEmpty()) hedefEkle(hedefler, c.excel, std::make_unique<ExcelDosyasi>(c.excel, bicim, AnaRapor::baslik()));
    if (!c.xlsx.isEmpty()) hedefEkle(hedefler, c.xlsx, std::make_unique<ExcelDosyasi>(c.xlsx, bicim, AnaRapor::baslik(), true));
    if (!c.html.isEmpty()) hedefEkle(hedefler, c.html, std::make_unique<HtmlDosyasi>(c.html, AnaRapor::baslik()));
    CokluAlici alici;
    for (const DosyaHedefi& h : hedefler) alici.ekle(h.alici.get());
    std::unique_ptr<Yazici> yazici;
    if (c.yazici) {
        yazici = std::make_unique<Yazici>(QStringLiteral("Cari Liste"));
        if (!yazici->sec(*c.yazici)) {
            MsgBox(c.yazici->isEmpty() ? QStringLiteral("Varsayılan yazıcı bulunamadı.")
                                       : QStringLiteral("Yazıcı bulunamadı: ") + *c.yazici,
                   Simge::Kritik);
            return false;
        }
        alici.ekle(&yazici->alici());
    }
    try {
        Rapor_Uret(girdi, alici);
    } catch (const VeritabaniHatasi& h) {
        if (yazici) yazici->vazgec();
        MsgBox(h.aciklama(), Simge::Kritik);
        return false;
    }
    if (yazici && !yazici->bitir()) {
        MsgBox(QStringLiteral("Rapor yazıcıya gönderilemedi."), Simge::Kritik);
        return false;
    }
    for (const DosyaHedefi& h : hedefler) {
        if (h.bitir()) continue;
        MsgBox(QStringLiteral("Rapor dosyası yazılamadı: ") + h.yol, Simge::Kritik);
        return false;
    }
    if (yerineKonan && metin) *yerineKonan = metin->yerineKonan();
    return true;
}
