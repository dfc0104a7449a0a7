"""Checks an HTML export with Python's own parser: every element closed in
order, and prints as JSON what the tests compare: the number of page
sections, the column captions of the first page and the right-aligned
cells' texts."""
import json
import sys
from html.parser import HTMLParser

BOS = {"meta", "br", "img", "hr", "link", "input"}


class Denetci(HTMLParser):
    def __init__(self):
        super().__init__()
        self.yigin, self.hatalar, self.bolumler = [], [], 0
        self.basliklar, self.saga, self.metin, self.siniflar = [], [], None, []

    def handle_starttag(self, etiket, nitelikler):
        if etiket in BOS:
            return
        self.yigin.append(etiket)
        self.siniflar.append(dict(nitelikler).get("class") or "")
        if etiket == "section":
            self.bolumler += 1
        self.metin = "" if etiket in ("th", "td") else None

    def handle_data(self, veri):
        if self.metin is not None:
            self.metin += veri

    def handle_endtag(self, etiket):
        if not self.yigin or self.yigin[-1] != etiket:
            self.hatalar.append(etiket)
            return
        self.yigin.pop()
        sinif = self.siniflar.pop()
        if etiket == "th" and self.bolumler == 1 and "thead" in self.yigin:
            self.basliklar.append(self.metin)
        if etiket == "td" and "sag" in sinif.split() and self.metin is not None:
            self.saga.append(self.metin)
        self.metin = None


d = Denetci()
d.feed(open(sys.argv[1], encoding="utf-8").read())
d.close()
json.dump({"bolumler": d.bolumler, "hatalar": d.hatalar, "acik": d.yigin, "basliklar": d.basliklar, "saga": d.saga},
          sys.stdout, ensure_ascii=False)
