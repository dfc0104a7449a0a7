#pragma once
#include "bant/MetinDosyasi.h"
#include "bant/Sayfa.h"
#include "report/RaporGirdisi.h"

#include <QPointer>
#include <QString>
#include <optional>
#include <functional>

class QWidget;
namespace Bant {
class OnizlemePenceresi;
}

// A caller's own reason to stop a run under way (the form closing); Escape
// in any of the program's windows always stops it.
using Iptal = std::function<bool()>;

// Runs a fresh main report made from `girdi` into `alici`; the number of
// pages, or -1 when the run was stopped. Data errors raise VeritabaniHatasi.
int Rapor_Uret(const RaporGirdisi& girdi, Bant::SayfaAlici& alici, const Iptal& iptal = {});

// "Temp.pdf" in the program's folder.
QString Pdf_Yolu();

// The PDF target: the report written to `dosya` (Temp.pdf when empty) and,
// when asked, opened with the desktop's PDF viewer. A failure is shown.
// A stopped run keeps the previous file and opens nothing. Without a program
// for PDF files a message says where the file was written.
bool Pdf_Gonder(const RaporGirdisi& girdi, bool ac, const QString& dosya = {}, const Iptal& iptal = {});

namespace PdfMesaji {
inline QString goruntuleyiciYok(const QString& yol) {
    return QStringLiteral("PDF dosyalarını açacak bir program bulunamadı. Rapor şu dosyaya yazıldı:\n") + yol;
}
} // namespace PdfMesaji

// The screen target: a preview window that shows the pages as they come;
// while the one in `onizleme` is open, the run goes into it and brings it
// to the front. A failure is shown and closes the window.
void Ekrana_Gonder(const RaporGirdisi& girdi, QPointer<Bant::OnizlemePenceresi>& onizleme, const Iptal& iptal = {});

// The printer target: the print dialog first, then the pages; a stopped
// run prints nothing.
void Yaziciya_Gonder(const RaporGirdisi& girdi, QWidget* ust, const Iptal& iptal = {});

// The batch outputs, each written only when named, all from one run.
struct TopluCiktilar {
    QString pdf;
    QString pngKlasoru;
    QString metin;
    QString excel;
    QString html;
    Bant::MetinSecenekleri metinSecenekleri;
    QString xlsx;
    // The printer, without its dialog: its name, empty for the default one.
    std::optional<QString> yazici;
};
// False after a shown failure. `yerineKonan`, when given, learns how many
// characters the text's code page could not hold.
bool Dosyalara_Yaz(const RaporGirdisi& girdi, const TopluCiktilar& c, int* yerineKonan = nullptr);
