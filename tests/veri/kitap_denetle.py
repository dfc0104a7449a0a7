"""Reads a workbook as LibreOffice reads it: converts it headless to .xlsx
and to .pdf in the folder given, then prints as JSON what openpyxl sees of
the first sheet's print set-up, outline and the formulas of its cells."""
import json
import subprocess
import sys
from pathlib import Path

import openpyxl

kaynak, klasor = Path(sys.argv[1]), Path(sys.argv[2])
for tur in ("xlsx", "pdf"):
    subprocess.run(["soffice", "--headless", "--convert-to", tur, "--outdir", str(klasor), str(kaynak)],
                   check=True, capture_output=True, timeout=300)
sayfa = openpyxl.load_workbook(klasor / (kaynak.stem + ".xlsx")).worksheets[0]
ayar = sayfa.page_setup
json.dump({
    "basliklar": sayfa.print_title_rows,
    "yon": ayar.orientation,
    "kagit": int(ayar.paperSize or 0),
    "sigdir": bool(sayfa.sheet_properties.pageSetUpPr and sayfa.sheet_properties.pageSetUpPr.fitToPage),
    "genislik": ayar.fitToWidth,
    "yukseklik": ayar.fitToHeight,
    "filtre": sayfa.auto_filter.ref,
    "duzeyler": sorted({d.outline_level for d in sayfa.row_dimensions.values()}),
    "formuller": [[h.row, h.column, h.value] for satir in sayfa.iter_rows() for h in satir
                  if isinstance(h.value, str) and h.value.startswith("=")],
}, sys.stdout, ensure_ascii=False)
