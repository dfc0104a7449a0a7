#include "bant/HtmlDosyasi.h"

#include <QFileDevice>
#include <QMap>

namespace Bant {

namespace {

const char* const kStil = R"(
body { font-family: "Arial Narrow", "Liberation Sans Narrow", Arial, sans-serif; font-size: 9pt; margin: 1em; }
section.sayfa { max-width: 190mm; margin: 0 auto 2em auto; }
section.sayfa + section.sayfa { border-top: 1px dashed #999; padding-top: 1em; }
table { border-collapse: collapse; width: 100%; }
td, th { padding: 1px 4px; vertical-align: top; text-align: left; }
thead th { border-bottom: 1px solid #000; }
.sag { text-align: right; white-space: nowrap; }
.kalin { font-weight: bold; }
header table, footer table { margin-bottom: 0.6em; }
table.ic { width: auto; margin-left: 1.5em; font-size: 8pt; }
table.ic th { border-bottom: 1px solid #888; }
@media print {
  body { margin: 0; }
  section.sayfa { max-width: none; margin: 0; }
  section.sayfa + section.sayfa { border-top: none; padding-top: 0; break-before: page; page-break-before: always; }
}
)";

QString kacir(const QString& s) { return s.toHtmlEscaped(); }

QString hucre(const QString& etiket, const QList<const SayfaOgesi*>& ogeler, int kapsam = 1) {
    QStringList metinler;
    bool sag = ogeler.size() == 1 && (ogeler.first()->hiza & Qt::AlignRight);
    bool kalin = false;
    for (const SayfaOgesi* o : ogeler) {
        metinler << kacir(o->metin);
        kalin = kalin || o->kalin;
    }
    QStringList sinif;
    if (sag) sinif << QStringLiteral("sag");
    if (kalin) sinif << QStringLiteral("kalin");
    QString h = u'<' + etiket;
    if (!sinif.isEmpty()) h += QStringLiteral(" class=\"%1\"").arg(sinif.join(u' '));
    if (kapsam > 1) h += QStringLiteral(" colspan=\"%1\"").arg(kapsam);
    return h + u'>' + metinler.join(u' ') + QStringLiteral("</") + etiket + u'>';
}

} // namespace

HtmlDosyasi::HtmlDosyasi(const QString& dosya, const QString& baslik) : hedef_(dosya), baslik_(baslik) { hata_ = !hedef_.acik(); }

void HtmlDosyasi::bas(const Sayfa* ilk) {
    // The report's paper and margins, whatever paper the printer has: each
    // report page one sheet. The sides keep the report's left margin.
    QString kagit;
    if (ilk) {
        auto mm = [](int twip) { return QString::number(twip * 25.4 / Birim::TwipInc, 'f', 1) + QStringLiteral("mm"); };
        kagit = QStringLiteral("@page { size: %1 %2; margin: %3 %4 %5 %4; }\n")
                    .arg(mm(ilk->genislik), mm(ilk->yukseklik), mm(ilk->ustKenar), mm(ilk->solKenar), mm(ilk->altKenar));
    }
    yaz(QStringLiteral("<!DOCTYPE html>\n<html lang=\"tr\">\n<head>\n<meta charset=\"utf-8\">\n<title>") + kacir(baslik_) +
        QStringLiteral("</title>\n<style>") + kagit + QString::fromUtf8(kStil) + QStringLiteral("</style>\n</head>\n<body>\n"));
}

void HtmlDosyasi::yaz(const QString& metin) {
    if (hata_) return;
    const QByteArray b = metin.toUtf8();
    hata_ = hedef_.aygit().write(b) != b.size();
}

void HtmlDosyasi::satirlar(const QList<Satir>& satirlar, qsizetype bas, qsizetype son) {
    const int n = qMax(1, kolonlar_.sayi());
    for (qsizetype i = bas; i < son; ++i) {
        const Satir& s = satirlar.at(i);
        if (s.ic) {
            // A sub-report's lines under one row, its captions first: a table of their own.
            qsizetype j = i;
            while (j < son && satirlar.at(j).ic) ++j;
            icTablo(satirlar.mid(i, j - i));
            i = j - 1;
            continue;
        }
        const auto hucreler = kolonlar_.dagit(s.hucreler, 0, n);
        QString tr = QStringLiteral("<tr>");
        int kolon = 0;
        for (auto it = hucreler.cbegin(); it != hucreler.cend(); ++it) {
            for (; kolon < it.key(); ++kolon) tr += QStringLiteral("<td></td>");
            tr += hucre(QStringLiteral("td"), it.value());
            ++kolon;
        }
        for (; kolon < n; ++kolon) tr += QStringLiteral("<td></td>");
        yaz(tr + QStringLiteral("</tr>\n"));
    }
}

void HtmlDosyasi::icTablo(const QList<Satir>& ic) {
    const int n = qMax(1, kolonlar_.sayi());
    const Kolonlar kolonlar(ic.first());
    QString t = QStringLiteral("<tr><td colspan=\"%1\"><table class=\"ic\">\n").arg(n);
    for (qsizetype i = 0; i < ic.size(); ++i) {
        const auto hucreler = kolonlar.dagit(ic.at(i).hucreler);
        t += QStringLiteral("<tr>");
        for (int k = 0; k < kolonlar.sayi(); ++k)
            t += hucreler.contains(k) ? hucre(i == 0 ? QStringLiteral("th") : QStringLiteral("td"), hucreler.value(k))
                                      : QStringLiteral("<td></td>");
        t += QStringLiteral("</tr>\n");
    }
    yaz(t + QStringLiteral("</table></td></tr>\n"));
}

void HtmlDosyasi::sayfa(Sayfa&& s) {
    if (sayi_ == 0) bas(&s);
    const QList<Satir> hepsi = Sayfa_Satirlari(s);
    const qsizetype baslik = Baslik_Satiri(hepsi);
    if (sayi_++ == 0 && baslik >= 0) kolonlar_ = Kolonlar(hepsi.at(baslik));
    // The page's parts: its header above the captions, the body, its footer.
    qsizetype govdeBasi = baslik + 1;
    qsizetype govdeSonu = hepsi.size();
    while (govdeSonu > govdeBasi && hepsi.at(govdeSonu - 1).bolum == Bolum::Tur::PageFooter) --govdeSonu;
    yaz(QStringLiteral("<section class=\"sayfa\" id=\"sayfa-%1\">\n").arg(s.no));
    if (baslik > 0) {
        yaz(QStringLiteral("<header><table>\n"));
        satirlar(hepsi, 0, baslik);
        yaz(QStringLiteral("</table></header>\n"));
    }
    yaz(QStringLiteral("<table>\n"));
    if (baslik >= 0) {
        QString tr = QStringLiteral("<thead><tr>");
        const auto hucreler = kolonlar_.dagit(hepsi.at(baslik).hucreler);
        for (int k = 0; k < kolonlar_.sayi(); ++k)
            tr += hucreler.contains(k) ? hucre(QStringLiteral("th"), hucreler.value(k)) : QStringLiteral("<th></th>");
        yaz(tr + QStringLiteral("</tr></thead>\n"));
    }
    yaz(QStringLiteral("<tbody>\n"));
    satirlar(hepsi, qMax<qsizetype>(govdeBasi, 0), govdeSonu);
    yaz(QStringLiteral("</tbody>\n</table>\n"));
    if (govdeSonu < hepsi.size()) {
        yaz(QStringLiteral("<footer><table>\n"));
        satirlar(hepsi, govdeSonu, hepsi.size());
        yaz(QStringLiteral("</table></footer>\n"));
    }
    yaz(QStringLiteral("</section>\n"));
}

bool HtmlDosyasi::bitir() {
    if (sayi_ == 0) bas(nullptr);
    yaz(QStringLiteral("</body>\n</html>\n"));
    if (hata_) {
        hedef_.vazgec();
        return false;
    }
    return hedef_.tamamla();
}

} // namespace Bant
