#pragma once
#include "report/RaporUret.h"

#include <QPointer>
#include <QString>

class QWidget;
namespace Bant {
class OnizlemePenceresi;
}

// The form's targets beside the file exports: the PDF file, the screen, the printer.

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
