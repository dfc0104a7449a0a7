#pragma once
#include "platform/rapor/Sayfa.h"

#include <QString>
#include <functional>

class QWidget;

// The file targets of the output box beside PDF. Each runs the main report
// into its file in the program's folder under the form's wait panel, which
// blinks and counts the pages; Escape there cancels, leaving the previous
// file as it was and opening nothing. A complete file is opened with its
// viewer; a report without pages writes nothing and opens what is there.
void Text_Gonder(QWidget* form);
// Without a program for the workbook: its message, and nothing runs.
void Excel_Gonder(QWidget* form);
// Without a browser: its message, and nothing runs.
void Html_Gonder(QWidget* form);

// Temp.txt, Temp.xls, Temp.Htm ... in the program's folder.
QString Disa_Aktarim_Yolu(const QString& ad);

// The run of an export: the report into `alici` while the panel shows
// `mesaj`. The number of pages, or -1 after a cancel or a shown failure.
int Beklet_Ve_Uret(QWidget* form, const QString& mesaj, Bant::SayfaAlici& alici);
