"""The workbook's totals as LibreOffice calculates them: SUBTOTAL over NET
TUTAR is recalculated on loading (a profile of its own says so), once as
written and once with an auto-filter that keeps only the sales invoices in
view (set with openpyxl: the filter and the rows it hides). Prints the grand
total's cell each time beside the sum of the invoices' amounts in view."""
import csv
import json
import subprocess
import sys
from pathlib import Path
import openpyxl
kaynak, klasor = Path(sys.argv[1]), Path(sys.argv[2])
klasor.mkdir(parents=True, exist_ok=True)
profil = klasor / "profil"
(profil / "user").mkdir(parents=True, exist_ok=True)
(profil / "user" / "registrymodifications.xcu").write_text(
    '<?xml version="1.0" encoding="UTF-8"?>\n<oor:items xmlns:oor="http://openoffice.org/2001/registry" '
    'xmlns:xs="http://www.w3.org/2001/XMLSchema" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">\n'
    '<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="OOXMLRecalcMode" oor:op="fuse"><value>0</value></prop></item>\n'
    '<item oor:path="/org.openoffice.Office.Calc/Formula/Load"><prop oor:name="ODFRecalcMode" oor:op="fuse"><value>0</value></prop></item>\n'
    '</oor:items>\n')
def hesapla(dosya):
    subprocess.run(["soffice", "-env:UserInstallation=" + profil.as_uri(), "--headless", "--convert-to",
                    'csv:Text - txt - csv (StarCalc):44,34,76,1,,1033,false,true,false,false', "--outdir", str(klasor), str(dosya)],
                   check=True, capture_output=True, timeout=300)
    return list(csv.reader(open(klasor / (dosya.stem + ".csv"), encoding="utf-8")))
kitap = openpyxl.load_workbook(kaynak)
s = kitap.worksheets[0]
bas = int(s.freeze_panes[1:])  # first row under the captions, 1-based
son = s.max_row
tutar = 7
satirlar = hesapla(kaynak)
genel = float(satirlar[son - 1][tutar - 1])
hepsi = sum(float(s.cell(r, tutar).value) for r in range(bas, son) if isinstance(s.cell(r, tutar).value, (int, float)))
# A filter on İŞLEM TİPİ: only sales invoices stay in view.
tip = "Satış Faturası"
s.auto_filter.add_filter_column(2, [tip])
gorunen = 0.0
for r in range(bas, son):
    if s.cell(r, 3).value != tip:
        s.row_dimensions[r].hidden = True
    elif isinstance(s.cell(r, tutar).value, (int, float)):
        gorunen += s.cell(r, tutar).value
suzgecli = klasor / "suzgecli.xlsx"
kitap.save(suzgecli)
satirlar2 = hesapla(suzgecli)
json.dump({"genel": genel, "hepsi": round(hepsi, 4), "suzgecli": float(satirlar2[son - 1][tutar - 1]), "gorunen": round(gorunen, 4)}, sys.stdout)
