#pragma once
#include "platform/rapor/Sayfa.h"

#include <QString>
#include <functional>

class QWidget;

// Runs a fresh main report on the composed statement into `alici`; the
// number of pages. RaporUretiliyor is true while it runs. Data errors raise
// VeritabaniHatasi.
int Rapor_Uret(Bant::SayfaAlici& alici, const std::function<bool()>& iptal = {});

// "Temp.pdf" in the program's folder.
QString Pdf_Yolu();

// The PDF target: the report written to `dosya` (Temp.pdf when empty) and,
// when asked, opened with the desktop's PDF viewer. A failure is shown.
bool Pdf_Gonder(bool ac, const QString& dosya = {});

// The screen target: a preview window that shows the pages as they come;
// while one is open, the run goes into it and brings it to the front.
// A failure is shown and closes the window.
void Ekrana_Gonder();

// The printer target: the print dialog first, then the pages.
void Yaziciya_Gonder(QWidget* ust);

// The batch outputs, each written only when named, all from one run.
struct TopluCiktilar {
    QString pdf;
    QString pngKlasoru;
    QString metin;
    QString excel;
    QString html;
};
// False after a shown failure.
bool Dosyalara_Yaz(const TopluCiktilar& c);
