#include "XlsxKitabi.h"

#include <xlsxwriter.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace Bant {

namespace {

// "A", "B", ... "AA": a column's letters in a formula.
QString kolonHarfi(int kolon) {
    QString s;
    for (int n = kolon + 1; n > 0; n = (n - 1) / 26) s.prepend(QChar(u'A' + (n - 1) % 26));
    return s;
}

} // namespace

XlsxKitabi::XlsxKitabi(const QString& gecici) : gecici_(gecici) {
    lxw_workbook_options secenekler{};
    secenekler.constant_memory = LXW_TRUE;
    const QByteArray geciciKlasor = QFile::encodeName(QDir::tempPath());
    secenekler.tmpdir = const_cast<char*>(geciciKlasor.constData());
    kitap_ = workbook_new_opt(QFile::encodeName(gecici_).constData(), &secenekler);
    hata_ = kitap_ == nullptr;
    bicim(QString());
}

XlsxKitabi::~XlsxKitabi() {
    if (!kapandi_) {
        kapat();
        QFile::remove(gecici_);
    }
}

void XlsxKitabi::kapat() {
    if (kapandi_ || !kitap_) return;
    kapandi_ = true;
    if (workbook_close(kitap_) != LXW_NO_ERROR) hata_ = true;
    kitap_ = nullptr;
}

int XlsxKitabi::bicim(const QString& sayiBicimi, bool kalin, bool sagaYasli) {
    const QString anahtar = sayiBicimi + u'|' + QString::number(kalin) + QString::number(sagaYasli);
    const auto it = bicimNo_.constFind(anahtar);
    if (it != bicimNo_.constEnd()) return it.value();
    // The plain format is the library's default: a format object of its own
    // would be looked up anew for every cell.
    const bool duz = sayiBicimi.isEmpty() && !kalin && !sagaYasli;
    lxw_format* f = kitap_ && !duz ? workbook_add_format(kitap_) : nullptr;
    if (f) {
        if (!sayiBicimi.isEmpty()) format_set_num_format(f, sayiBicimi.toUtf8().constData());
        if (kalin) format_set_bold(f);
        if (sagaYasli) format_set_align(f, LXW_ALIGN_RIGHT);
    }
    bicimler_ << f;
    const int no = static_cast<int>(bicimler_.size()) - 1;
    bicimNo_.insert(anahtar, no);
    return no;
}

void XlsxKitabi::sayfaEkle(const QString& ad) {
    Sayfa s;
    s.ad = ad.left(31);
    s.sayfa = kitap_ ? workbook_add_worksheet(kitap_, s.ad.toUtf8().constData()) : nullptr;
    if (!s.sayfa) hata_ = true;
    sayfalar_ << s;
}

void XlsxKitabi::kullanildi(int satir, int kolon, int karakter) {
    Sayfa* s = simdiki();
    if (!s) return;
    s->sonSatir = qMax(s->sonSatir, satir);
    int& g = s->genislik[kolon];
    g = qMax(g, karakter);
}

void XlsxKitabi::metin(int satir, int kolon, const QString& m, int xf) {
    Sayfa* s = simdiki();
    if (!s || !s->sayfa) return;
    if (worksheet_write_string(s->sayfa, static_cast<lxw_row_t>(satir), static_cast<lxw_col_t>(kolon), m.left(32767).toUtf8().constData(),
                               bicimler_.value(xf)) != LXW_NO_ERROR)
        hata_ = true;
    kullanildi(satir, kolon, static_cast<int>(qMin(m.size(), qsizetype(60))));
}

void XlsxKitabi::sayi(int satir, int kolon, double d, int xf) {
    Sayfa* s = simdiki();
    if (!s || !s->sayfa) return;
    if (worksheet_write_number(s->sayfa, static_cast<lxw_row_t>(satir), static_cast<lxw_col_t>(kolon), d, bicimler_.value(xf)) !=
        LXW_NO_ERROR)
        hata_ = true;
    kullanildi(satir, kolon, 14);
}

void XlsxKitabi::altToplam(int satir, int kolon, int islev, const QList<Aralik>& araliklar, double sonuc, int xf) {
    Sayfa* s = simdiki();
    if (!s || !s->sayfa) return;
    QStringList parcalar;
    for (const Aralik& a : araliklar) {
        QString ref = QStringLiteral("$%1$%2:$%1$%3").arg(kolonHarfi(a.kolon)).arg(a.ilk + 1).arg(a.son + 1);
        if (a.sayfa != sayfaNo()) {
            QString ad = sayfalar_.at(a.sayfa).ad;
            ref.prepend(u'\'' + ad.replace(u'\'', QStringLiteral("''")) + QStringLiteral("'!"));
        }
        parcalar << ref;
    }
    const QString formul = QStringLiteral("=SUBTOTAL(%1,%2)").arg(islev).arg(parcalar.join(u','));
    if (worksheet_write_formula_num(s->sayfa, static_cast<lxw_row_t>(satir), static_cast<lxw_col_t>(kolon), formul.toUtf8().constData(),
                                    bicimler_.value(xf), sonuc) != LXW_NO_ERROR)
        hata_ = true;
    kullanildi(satir, kolon, 14);
}

void XlsxKitabi::satirDuzeyi(int satir, int duzey) {
    Sayfa* s = simdiki();
    if (duzey <= 0 || !s || !s->sayfa) return;
    lxw_row_col_options secenek{};
    secenek.level = static_cast<uint8_t>(duzey);
    worksheet_set_row_opt(s->sayfa, static_cast<lxw_row_t>(satir), LXW_DEF_ROW_HEIGHT, nullptr, &secenek);
}

void XlsxKitabi::baslikSatiri(int satir, int kolonSayisi) {
    Sayfa* s = simdiki();
    if (!s || !s->sayfa) return;
    s->baslik = satir;
    s->baslikKolonu = kolonSayisi;
    worksheet_freeze_panes(s->sayfa, static_cast<lxw_row_t>(satir + 1), 0);
}

void XlsxKitabi::kolonGenisligi(int kolon, int karakter) {
    Sayfa* s = simdiki();
    if (!s) return;
    int& g = s->genislik[kolon];
    g = qMax(g, karakter);
}

bool XlsxKitabi::yaz(const QString& dosya) {
    if (hata_ || !kitap_) return false;
    if (sayfalar_.isEmpty()) sayfaEkle(QStringLiteral("Sayfa1"));
    for (Sayfa& s : sayfalar_) {
        if (!s.sayfa) continue;
        int toplam = 0;
        for (auto it = s.genislik.cbegin(); it != s.genislik.cend(); ++it) {
            const int g = qBound(6, it.value() + 2, 62);
            toplam += g;
            worksheet_set_column(s.sayfa, static_cast<lxw_col_t>(it.key()), static_cast<lxw_col_t>(it.key()), g, nullptr);
        }
        worksheet_set_paper(s.sayfa, 9); // A4
        if (toplam > kDikeyKarakter) worksheet_set_landscape(s.sayfa);
        worksheet_fit_to_pages(s.sayfa, 1, 0);
        worksheet_set_margins(s.sayfa, baski_.sol / 1440.0, baski_.sag / 1440.0, baski_.ust / 1440.0, baski_.alt / 1440.0);
        worksheet_outline_settings(s.sayfa, LXW_TRUE, LXW_TRUE, LXW_TRUE, LXW_FALSE);
        if (s.baslik >= 0) {
            worksheet_repeat_rows(s.sayfa, static_cast<lxw_row_t>(s.baslik), static_cast<lxw_row_t>(s.baslik));
            if (s.baslikKolonu > 0)
                worksheet_autofilter(s.sayfa, static_cast<lxw_row_t>(s.baslik), 0, static_cast<lxw_row_t>(qMax(s.baslik, s.sonSatir)),
                                     static_cast<lxw_col_t>(s.baslikKolonu - 1));
        }
    }
    kapat();
    if (hata_) {
        QFile::remove(gecici_);
        return false;
    }
    // Into the target's place in one step: the previous file stays until then.
    if (std::rename(QFile::encodeName(gecici_).constData(), QFile::encodeName(dosya).constData()) != 0) {
        QFile::remove(gecici_);
        return false;
    }
    return true;
}

} // namespace Bant
