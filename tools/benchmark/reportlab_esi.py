#!/usr/bin/python3
"""The benchmark's peer: the invoice list grouped by customer, drawn by hand on
a ReportLab canvas from the same company database, in the program's layout
(page header with the column captions, a customer header, 12 pt rows, a
customer footer with the count and the total, the grand total at the end).

It reads the same rows as the program's statement (invoices of 2025-2026 that
have a goods, service, expense or discount line, ordered by customer code and
date), embeds the same TrueType faces and cuts texts at their field's right
edge, so both sides do the same work a page at a time.

Usage: reportlab_esi.py COMPANY.sqlite OUT.pdf   (prints the page count)
"""
import datetime
import sqlite3
import sys

from reportlab.pdfbase import pdfmetrics
from reportlab.pdfbase.ttfonts import TTFont
from reportlab.pdfgen import canvas

YAZI = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Regular.ttf"
KALIN = "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf"
BOY = 8.5
GENISLIK, YUKSEKLIK = 595.3, 841.9
UST, ALT = 36.0, 781.9          # first header line, top of the page foot (from the top)
SATIR, GRUP, SON = 12.0, 13.5, 15.0  # detail row, group header and footer heights
TABAN = 6.1                       # baseline below a band's top

SORGU = """
SELECT F.Tarih, F.Fis_No, F.Islem_Tipi, C.Cari_Kod, C.Unvan, F.Vade, F.Net_Tutar
FROM FATURAKART F JOIN CARIKART C ON C.Cari_ID = F.Cari_ID
WHERE EXISTS (SELECT 1 FROM FATURAHAREKET H WHERE H.Fatura_ID = F.Fatura_ID
              AND H.Satir_Tipi IN ('Mal', 'Hizmet', 'Masraf', 'İndirim'))
  AND F.Tarih >= '2025-01-01' AND F.Tarih < '2027-01-01'
ORDER BY C.Cari_Kod, F.Tarih
"""

AYLAR = ["Ocak", "Şubat", "Mart", "Nisan", "Mayıs", "Haziran", "Temmuz",
         "Ağustos", "Eylül", "Ekim", "Kasım", "Aralık"]
GUNLER = ["Pazartesi", "Salı", "Çarşamba", "Perşembe", "Cuma", "Cumartesi", "Pazar"]


def tutar(onbinde):
    """Money kept in ten-thousandths, shown as 1.234.567,89 (half away from zero)."""
    isaret = "-" if onbinde < 0 else ""
    tam, kesir = divmod((abs(onbinde) + 50) // 100, 100)
    return f"{isaret}{tam:,}".replace(",", ".") + f",{kesir:02d}"


def tarih(gun):
    return f"{gun.day:02d}.{gun.month:02d}.{gun.year}"


class Sayfalar:
    def __init__(self, yol, firma):
        pdfmetrics.registerFont(TTFont("Dar", YAZI))
        pdfmetrics.registerFont(TTFont("DarKalin", KALIN))
        self.c = canvas.Canvas(yol, pagesize=(GENISLIK, YUKSEKLIK), pageCompression=1)
        self.c.setTitle("FATURA LİSTESİ")
        self.firma = firma
        bugun = datetime.date.today()
        self.bugun = f"{bugun.day:02d} {AYLAR[bugun.month - 1]} {bugun.year} {GUNLER[bugun.weekday()]}"
        self.sayfa = 0
        self.y = ALT  # forces the first page header

    def yaz(self, x, ust, metin, genislik, yuz="Dar", sag=False):
        """One text in its field: cut at the field's edge, right-aligned amounts."""
        c = self.c
        if pdfmetrics.stringWidth(metin, yuz, BOY) > genislik:
            while metin and pdfmetrics.stringWidth(metin, yuz, BOY) > genislik:
                metin = metin[:-1]
        c.setFont(yuz, BOY)
        taban = YUKSEKLIK - (ust + TABAN)
        if sag:
            c.drawRightString(x, taban, metin)
        else:
            c.drawString(x, taban, metin)

    def bas(self):
        if self.sayfa:
            self.c.showPage()
        self.sayfa += 1
        self.yaz(28, UST, self.firma, 250, "DarKalin")
        self.yaz(436, UST, "TARİH", 30, "DarKalin")
        self.yaz(458.8, UST, ":", 5, "DarKalin")
        self.yaz(467.5, UST, self.bugun, 100)
        self.yaz(297.6 - 28.5, UST + 13.5, "FATURA LİSTESİ", 80, "DarKalin")
        self.yaz(436, UST + 13.5, "SAYFA :", 30, "DarKalin")
        self.yaz(467.5, UST + 13.5, str(self.sayfa), 30)
        for x, baslik in ((28.2, "TARİH"), (66.25, "FİŞ NO"), (111.25, "İŞLEM TİPİ"),
                          (170.5, "CARİ KOD"), (273.25, "CARİ ÜNVAN"), (450.25, "VADE")):
            self.yaz(x, 78.5, baslik, 60, "DarKalin")
        self.yaz(565.7, 78.5, "NET TUTAR", 60, "DarKalin", sag=True)
        self.y = 95.25

    def yer(self, yukseklik):
        if self.y + yukseklik > ALT:
            self.bas()

    def devir(self, adet, toplam):
        """A customer running over the page: its count and total so far at the foot."""
        self.y = ALT
        self.toplamlar(adet, toplam)
        self.bas()

    def grup_basi(self, kod):
        self.yer(GRUP)
        self.yaz(28, self.y, "CARİ KODU", 80, "DarKalin")
        self.yaz(112, self.y, ":", 5, "DarKalin")
        self.yaz(119.5, self.y, kod, 150, "DarKalin")
        self.y += GRUP

    def satir(self, gun, fis, tip, kod, unvan, vade, onbinde):
        y = self.y
        self.yaz(28, y, tarih(gun), 38)
        self.yaz(66.25, y, fis, 44.5)
        self.yaz(111.15, y, tip, 59)
        self.yaz(170.5, y, kod, 100)
        self.yaz(271, y, unvan, 178)
        self.yaz(450.25, y, tarih(vade), 60)
        self.yaz(567.25, y, tutar(onbinde), 70, sag=True)
        self.y += SATIR

    def grup_sonu(self, adet, onbinde):
        self.yer(SON)
        self.toplamlar(adet, onbinde)

    def toplamlar(self, adet, onbinde):
        self.y += SON - GRUP  # the footer's texts sit lower in their band
        self.yaz(28, self.y, f"KAYIT SAYISI :{adet}", 100, "DarKalin")
        self.yaz(396.25, self.y, "Toplam", 30, "DarKalin")
        self.yaz(424.9, self.y, ":", 5, "DarKalin")
        self.yaz(565, self.y, tutar(onbinde), 90, "DarKalin", sag=True)
        self.y += GRUP

    def bitir(self, adet, onbinde):
        self.yer(GRUP)
        self.yaz(28, self.y, f"GENEL KAYIT SAYISI : {adet}", 150, "DarKalin")
        self.yaz(396.25, self.y, "Genel Rapor Toplamı :", 90, "DarKalin")
        self.yaz(565, self.y, tutar(onbinde), 90, "DarKalin", sag=True)
        self.c.showPage()
        self.c.save()


def main():
    db = sqlite3.connect(sys.argv[1])
    firma = "Anadolu Ticaret ve Sanayi A.Ş."
    s = Sayfalar(sys.argv[2], firma)
    kod_once, adet, toplam, genel_adet, genel = None, 0, 0, 0, 0
    for tarih_metni, fis, tip, kod, unvan, vade, net in db.execute(SORGU):
        if kod != kod_once:
            if kod_once is not None:
                s.grup_sonu(adet, toplam)
            s.grup_basi(kod)
            kod_once, adet, toplam = kod, 0, 0
        if s.y + SATIR > ALT:
            s.devir(adet, toplam)
        gun = datetime.date(int(tarih_metni[:4]), int(tarih_metni[5:7]), int(tarih_metni[8:10]))
        onbinde = round(net * 10000)
        s.satir(gun, fis, tip, kod, unvan, gun + datetime.timedelta(days=vade), onbinde)
        adet, toplam = adet + 1, toplam + onbinde
        genel_adet, genel = genel_adet + 1, genel + onbinde
    if kod_once is not None:
        s.grup_sonu(adet, toplam)
    s.bitir(genel_adet, genel)
    print(s.sayfa)


if __name__ == "__main__":
    main()
