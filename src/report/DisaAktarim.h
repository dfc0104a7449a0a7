#pragma once
#include "bant/Sayfa.h"
#include "report/RaporUret.h"

#include <QString>

class QWidget;

// The file targets of the output box beside PDF. Each runs the main report
// into its file in the program's folder under the form's wait panel, which
// blinks and counts the pages; Escape in any window, or `iptal`, stops the
// run, leaving the previous file as it was and opening nothing. A complete
// file is opened with its viewer; a report without pages writes nothing and
// opens what is there.
// The text target runs first and asks its options afterwards.
void Text_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal = {});
// Without a program for the workbook: its message, and nothing runs. Writes
// Temp.xls, or Temp.xlsx when the settings store says so (HKEY_CURRENT_USER,
// "Software\Fatura Listesi", ExcelBicimi = "xlsx").
void Excel_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal = {});
bool Xlsx_Secili();
// Without a browser: its message, and nothing runs.
void Html_Gonder(const RaporGirdisi& girdi, QWidget* form, const Iptal& iptal = {});

// Temp.txt, Temp.xls, Temp.Htm ... in the program's folder.
QString Disa_Aktarim_Yolu(const QString& ad);
