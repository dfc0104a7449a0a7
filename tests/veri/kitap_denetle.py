"""Reads a workbook as LibreOffice and Gnumeric read it: converts it
headless to .xlsx and to .pdf in the folder given, and with ssconvert to
.gnumeric, then prints as JSON what openpyxl sees of the first sheet's print
set-up, outline and the formulas of its cells, and Gnumeric's auto-filter."""
import gzip
import json
import re
import subprocess
import sys
from pathlib import Path

import openpyxl

kaynak, klasor = Path(sys.argv[1]), Path(sys.argv[2])
for tur in ("xlsx", "pdf"):
    subprocess.run(["soffice", "--headless", "--convert-to", tur, "--outdir", str(klasor), str(kaynak)],
                   check=True, capture_output=True, timeout=300)
gnumeric = klasor / (kaynak.stem + ".gnumeric")
subprocess.run(["ssconvert", str(kaynak), str(gnumeric)], check=True, capture_output=True, timeout=300)
filtre = re.search(r'<gnm:Filter Area="([^"]+)"', gzip.open(gnumeric).read().decode("utf-8"))
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
    "gnumericFiltre": filtre.group(1) if filtre else None,
    "duzeyler": sorted({d.outline_level for d in sayfa.row_dimensions.values()}),
    "formuller": [[h.row, h.column, h.value] for satir in sayfa.iter_rows() for h in satir
                  if isinstance(h.value, str) and h.value.startswith("=")],
}, sys.stdout, ensure_ascii=False)
