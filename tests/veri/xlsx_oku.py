"""Reads an .xlsx workbook with openpyxl, a reader independent of the
program, and prints what xls_oku.py prints for an .xls: per sheet its name,
frozen rows and cells as [type, value, number format] (xlrd's types: 0
empty, 1 text, 2 number, 3 date as a day number), plus its formulas, the
auto-filter, the print titles and the outline levels."""
import datetime
import json
import sys

import openpyxl

formuller = openpyxl.load_workbook(sys.argv[1])
degerler = openpyxl.load_workbook(sys.argv[1], data_only=True)
cikti = {"sayfalar": []}
for sayfa, fsayfa in zip(degerler.worksheets, formuller.worksheets):
    satirlar = []
    for satir in sayfa.iter_rows(min_row=1, max_row=sayfa.max_row, max_col=sayfa.max_column):
        s = []
        for h in satir:
            v = h.value
            if v is None:
                s.append([0, "", h.number_format])
            elif isinstance(v, datetime.datetime):
                gun = (v - datetime.datetime(1899, 12, 30)).total_seconds() / 86400
                s.append([3, gun, h.number_format])
            elif isinstance(v, (int, float)):
                s.append([2, float(v), h.number_format])
            else:
                s.append([1, str(v), h.number_format])
        satirlar.append(s)
    donuk = fsayfa.freeze_panes
    cikti["sayfalar"].append({
        "ad": sayfa.title,
        "dondurulmus": int(donuk[1:]) - 1 if donuk else 0,
        "satirlar": satirlar,
        "filtre": fsayfa.auto_filter.ref,
        "basliklar": fsayfa.print_title_rows,
        "duzeyler": sorted({d.outline_level for d in fsayfa.row_dimensions.values()}),
        "formuller": [[h.row, h.column, h.value] for satir in fsayfa.iter_rows() for h in satir
                      if isinstance(h.value, str) and h.value.startswith("=")],
    })
json.dump(cikti, sys.stdout, ensure_ascii=False)
