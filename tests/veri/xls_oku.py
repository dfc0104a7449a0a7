"""Reads a workbook with xlrd, a reader independent of the program, and
prints what the tests check as JSON: per sheet its name, frozen rows and
cells as [type, value, number format]; the workbook's defined names."""
import json
import sys

import xlrd

kitap = xlrd.open_workbook(sys.argv[1], formatting_info=True)
cikti = {"adlar": [n.name for n in kitap.name_obj_list], "sayfalar": []}
for sayfa in kitap.sheets():
    satirlar = []
    for r in range(sayfa.nrows):
        satir = []
        for c in range(sayfa.ncols):
            h = sayfa.cell(r, c)
            xf = kitap.xf_list[h.xf_index]
            satir.append([h.ctype, h.value, kitap.format_map[xf.format_key].format_str])
        satirlar.append(satir)
    cikti["sayfalar"].append({"ad": sayfa.name, "dondurulmus": sayfa.horz_split_pos, "satirlar": satirlar})
json.dump(cikti, sys.stdout, ensure_ascii=False)
