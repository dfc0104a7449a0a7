#include "bant/ExcelDosyasi.h"
#include "ExcelKitabi.h"
#include "XlsxKitabi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include <QRegularExpression>

namespace Bant {

namespace {

bool sayiBicimi(const QString& b) { return b.contains(u'0') || b.contains(u'#'); }

// The double nearest a value's four-decimal text, not a float's noise.
double dortBasamak(double d) { return QString::number(d, 'f', 4).toDouble(); }

// "#,##0.###" shows "25," for a whole 25: a whole value goes without the
// optional decimals.
QString tamSayiBicimi(const QString& b, double d) {
    const qsizetype nokta = b.indexOf(u'.');
    if (nokta < 0 || d != std::floor(d)) return b;
    const QString ondalik = b.mid(nokta + 1);
    return std::all_of(ondalik.cbegin(), ondalik.cend(), [](QChar c) { return c == u'#'; }) ? b.left(nokta) : b;
}

} // namespace

QString ExcelDosyasi::Sayfa_Adi(const QString& ad, int no) {
    static const QRegularExpression yasak(QStringLiteral(R"([\[\]:*?/\\])"));
    QString temiz = QString(ad).remove(yasak).trimmed();
    if (temiz.isEmpty()) temiz = QStringLiteral("Rapor");
    const QString ek = no > 1 ? QStringLiteral(" (%1)").arg(no) : QString();
    return temiz.left(31 - ek.size()).trimmed() + ek;
}

namespace {

// Beside the target, hidden, until the workbook is complete.
QString geciciYol(const QString& dosya) {
    const QFileInfo hedef(dosya);
    return hedef.dir().filePath(QStringLiteral(".%1.%2.yaziliyor").arg(hedef.fileName()).arg(QCoreApplication::applicationPid()));
}

} // namespace

ExcelDosyasi::ExcelDosyasi(const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi, bool xlsx)
    : ExcelDosyasi(xlsx ? std::unique_ptr<Kitap>(std::make_unique<XlsxKitabi>(geciciYol(dosya))) : std::make_unique<ExcelKitabi>(), dosya,
                   std::move(bicim), sayfaAdi) {
    xlsx_ = xlsx;
}

ExcelDosyasi::ExcelDosyasi(std::unique_ptr<Kitap> kitap, const QString& dosya, DegerBicimi bicim, const QString& sayfaAdi)
    : dosya_(dosya), gecici_(geciciYol(dosya)), bicim_(std::move(bicim)), sayfaAdi_(sayfaAdi), kitap_(std::move(kitap)) {
    yeniSayfa();
}

ExcelDosyasi::~ExcelDosyasi() {
    kitap_.reset();
    QFile::remove(gecici_);
}

void ExcelDosyasi::yeniSayfa() {
    ++sayfaSayisi_;
    kitap_->sayfaEkle(Sayfa_Adi(sayfaAdi_, sayfaSayisi_));
    satir_ = 0;
    // The captions again on top of a new sheet.
    if (sayfaSayisi_ > 1 && !basliklar_.isEmpty()) basliklariYaz();
}

void ExcelDosyasi::basliklariYaz() {
    const int xf = kitap_->bicim({}, true);
    const QStringList hepsi = basliklar_ + icBasliklar_;
    for (int i = 0; i < hepsi.size(); ++i) kitap_->metin(satir_, i, hepsi.at(i), xf);
    kitap_->baslikSatiri(satir_, static_cast<int>(hepsi.size()));
    ++satir_;
    if (!baslikBekliyor_) return;
    baslikBekliyor_ = false;
    govdeBasi_ = grupBasi_ = {kitap_->sayfaNo(), satir_};
}

void ExcelDosyasi::hucreYaz(int kolon, const QList<SayfaOgesi>& ogeler, bool baslik) {
    const SayfaOgesi& o = ogeler.first();
    const bool sag = o.hiza & Qt::AlignRight;
    if (ogeler.size() == 1 && !baslik) {
        const Deger& d = o.deger;
        switch (d.tur()) {
        case Deger::Tur::Para:
        case Deger::Tur::Ondalik:
        case Deger::Tur::Tamsayi: {
            // The amount's own digits, not a binary approximation of a sum.
            const double n = d.tur() == Deger::Tur::Para ? d.para().metin().toDouble() : dortBasamak(d.ondalik());
            kitap_->sayi(satir_, kolon, n, kitap_->bicim(tamSayiBicimi(o.bicim, n), o.kalin, true));
            return;
        }
        case Deger::Tur::Tarih: {
            const QDateTime t = d.tarih();
            const QDate g = t.date();
            const double gun = Kitap::tarihSayisi(g.year(), g.month(), g.day()) + t.time().msecsSinceStartOfDay() / 86400000.0;
            const bool saatli = t.time() != QTime(0, 0);
            kitap_->sayi(satir_, kolon, gun,
                         kitap_->bicim(saatli ? QStringLiteral("dd.mm.yyyy hh:mm:ss") : QStringLiteral("dd.mm.yyyy"), o.kalin, sag));
            return;
        }
        case Deger::Tur::Bos:
            // A text a handler set in a number's place: read with the report's separators.
            if (sayiBicimi(o.bicim)) {
                QString m = o.metin;
                m.remove(bicim_.binlik).replace(bicim_.ondalik, QStringLiteral("."));
                bool tamam = false;
                const double n = m.trimmed().toDouble(&tamam);
                if (tamam) {
                    kitap_->sayi(satir_, kolon, dortBasamak(n), kitap_->bicim(tamSayiBicimi(o.bicim, n), o.kalin, true));
                    return;
                }
            }
            break;
        default: break;
        }
    }
    QStringList metinler;
    bool kalin = baslik;
    for (const SayfaOgesi& x : ogeler) {
        metinler << x.metin;
        kalin = kalin || x.kalin;
    }
    kitap_->metin(satir_, kolon, metinler.join(u' '), kitap_->bicim({}, kalin, sag && ogeler.size() == 1));
}

ExcelDosyasi::Kuyruk ExcelDosyasi::kuyruga(const QMap<int, QList<const SayfaOgesi*>>& hucreler, bool baslik) const {
    Kuyruk k;
    k.baslik = baslik;
    for (auto it = hucreler.cbegin(); it != hucreler.cend(); ++it)
        for (const SayfaOgesi* o : it.value()) k.hucreler[it.key()] << *o;
    return k;
}

QList<Kitap::Aralik> ExcelDosyasi::aralik(Yer bas, int kolon) const {
    QList<Kitap::Aralik> l;
    const int simdiki = kitap_->sayfaNo();
    for (int s = bas.sayfa; s <= simdiki; ++s) {
        // A continuation sheet's rows start under its caption row.
        const int ilk = s == bas.sayfa ? bas.satir : 1;
        const int son = s == simdiki ? satir_ - 1 : kitap_->enFazlaSatir() - 1;
        if (son >= ilk) l.append({s, ilk, son, kolon});
    }
    return l;
}

void ExcelDosyasi::satirYaz(const Kuyruk& k) {
    using T = Kuyruk::Tur;
    kitap_->satirDuzeyi(satir_, k.duzey);
    for (auto it = k.hucreler.cbegin(); it != k.hucreler.cend(); ++it) {
        const SayfaOgesi& o = it.value().first();
        const bool toplam = (k.tur == T::GrupToplami || k.tur == T::GenelToplam) && it.value().size() == 1 &&
                            tutarKolonlari_.contains(it.key()) && o.deger.tur() == Deger::Tur::Para;
        const QList<Kitap::Aralik> a = toplam ? aralik(k.tur == T::GrupToplami ? grupBasi_ : govdeBasi_, it.key()) : QList<Kitap::Aralik>{};
        if (!a.isEmpty()) {
            kitap_->altToplam(satir_, it.key(), 9, a, o.deger.para().metin().toDouble(), kitap_->bicim(o.bicim, o.kalin, true));
            continue;
        }
        hucreYaz(it.key(), it.value(), k.baslik);
    }
    ++satir_;
    if (k.tur == T::GrupBasi) grupBasi_ = {kitap_->sayfaNo(), satir_};
}

void ExcelDosyasi::bosalt() {
    if (bekleyen_.isEmpty()) return;
    if (baslikBekliyor_) basliklariYaz();
    // An invoice and its lines never part at a sheet's end.
    if (satir_ + bekleyen_.size() > kitap_->enFazlaSatir() && satir_ > 1) yeniSayfa();
    for (const Kuyruk& k : std::as_const(bekleyen_)) {
        if (satir_ >= kitap_->enFazlaSatir()) yeniSayfa();
        satirYaz(k);
    }
    bekleyen_.clear();
    faturaVar_ = false;
}

void ExcelDosyasi::sayfa(Sayfa&& s) {
    const QList<Satir> satirlar = Sayfa_Satirlari(s);
    qsizetype baslik = -1;
    if (sayi_++ == 0) {
        // The report's margins; its print width is centred, so the right one is the left one.
        kitap_->baskiAyarla({s.solKenar, s.solKenar, s.ustKenar, s.altKenar});
        baslik = Baslik_Satiri(satirlar);
        if (baslik >= 0) {
            kolonlar_ = Kolonlar(satirlar.at(baslik));
            for (int i = 0; i < kolonlar_.sayi(); ++i) {
                basliklar_ << kolonlar_.baslik(i);
                for (const SayfaOgesi* o : satirlar.at(baslik).hucreler)
                    if (kolonlar_.kolon(o->alan) == i) kitap_->kolonGenisligi(i, o->alan.width() / 100);
            }
        }
    }
    const int icKayma = qMax(1, kolonlar_.sayi());
    for (qsizetype i = 0; i < satirlar.size(); ++i) {
        const Satir& st = satirlar.at(i);
        if (i == baslik) {
            // Written with the first rows, once the lines' captions are known too.
            baslikBekliyor_ = true;
            continue;
        }
        const bool sayfaBolumu = st.bolum == Bolum::Tur::PageHeader || st.bolum == Bolum::Tur::PageFooter;
        // The first page's header stands once on top; no other page's header or footer.
        if (sayfaBolumu) {
            if (sayi_ == 1 && baslik >= 0 && i < baslik && st.bolum == Bolum::Tur::PageHeader)
                satirYaz(kuyruga(kolonlar_.dagit(st.hucreler)));
            continue;
        }
        if (st.ic) {
            // The first line under an invoice is its lines' captions: taken once
            // for the caption row.
            const bool icBaslik = !icte_;
            icte_ = true;
            if (icBaslik) {
                if (icBasliklar_.isEmpty()) {
                    icKolonlar_ = Kolonlar(st);
                    for (int c = 0; c < icKolonlar_.sayi(); ++c) icBasliklar_ << icKolonlar_.baslik(c);
                }
                continue;
            }
            Kuyruk k = kuyruga(icKolonlar_.dagit(st.hucreler, icKayma));
            k.duzey = gruplu_ ? 2 : 1;
            bekleyen_ << k;
            continue;
        }
        icte_ = false;
        if (st.bolum == Bolum::Tur::Detail) {
            // A new invoice: the one before is complete with its lines.
            if (faturaVar_) bosalt();
            faturaVar_ = true;
        }
        if (st.bolum == Bolum::Tur::GroupHeader1) {
            // "ŞEHİR : Adana" in one cell.
            Kuyruk k;
            for (const SayfaOgesi* o : st.hucreler) k.hucreler[0] << *o;
            k.baslik = true;
            k.tur = Kuyruk::Tur::GrupBasi;
            gruplu_ = true;
            bekleyen_ << k;
            continue;
        }
        QMap<int, QList<const SayfaOgesi*>> hucreler = kolonlar_.dagit(st.hucreler);
        if (st.bolum == Bolum::Tur::GroupFooter1) {
            altlikKolonlari_.clear();
            for (auto it = hucreler.cbegin(); it != hucreler.cend(); ++it)
                for (qsizetype n = 0; n < it.value().size(); ++n) altlikKolonlari_ << it.key();
        } else if (st.bolum == Bolum::Tur::ReportFooter && altlikKolonlari_.size() == st.hucreler.size()) {
            // The grand total's label and figures under the group totals'.
            hucreler.clear();
            for (qsizetype n = 0; n < st.hucreler.size(); ++n) hucreler[altlikKolonlari_.at(n)] << st.hucreler.at(n);
        }
        Kuyruk k = kuyruga(hucreler);
        if (st.bolum == Bolum::Tur::Detail) {
            k.duzey = gruplu_ ? 1 : 0;
            for (auto it = k.hucreler.cbegin(); it != k.hucreler.cend(); ++it) {
                const Deger::Tur t = it.value().first().deger.tur();
                if (t == Deger::Tur::Para || t == Deger::Tur::Ondalik) tutarKolonlari_.insert(it.key());
            }
        }
        if (st.bolum == Bolum::Tur::GroupFooter1) k.tur = Kuyruk::Tur::GrupToplami;
        if (st.bolum == Bolum::Tur::ReportFooter) k.tur = Kuyruk::Tur::GenelToplam;
        bekleyen_ << k;
    }
}

bool ExcelDosyasi::bitir() {
    bosalt();
    if (baslikBekliyor_) basliklariYaz();
    if (kitap_->hataVar()) return false;
    if (xlsx_) return kitap_->yaz(dosya_); // it writes beside the target itself
    // The workbook beside the target first, then in its place in one step.
    if (!kitap_->yaz(gecici_)) return false;
    return !QFile::exists(gecici_) || std::rename(QFile::encodeName(gecici_).constData(), QFile::encodeName(dosya_).constData()) == 0;
}

} // namespace Bant
