#include "bant/MetinDosyasi.h"
#include "bant/Cp1254.h"
#include "bant/Satirlar.h"

#include <QDataStream>
#include <QFileDevice>

#include <climits>

namespace Bant {

namespace {
// An empty line stands for each this much of vertical gap between two lines.
constexpr int kSatirAraligi = 240;
} // namespace

MetinSayfasi Metin_Sayfasi(const Sayfa& s) {
    MetinSayfasi m;
    m.solKenar = s.solKenar;
    int onceki = -1;
    for (const Satir& satir : Sayfa_Satirlari(s)) {
        MetinSatiri ms;
        if (onceki >= 0) ms.bosluk = qMax(0, (satir.ust - onceki) / kSatirAraligi);
        ms.bolum = satir.bolum;
        ms.ic = satir.ic;
        onceki = satir.alt;
        ms.hucreler.reserve(satir.hucreler.size());
        for (const SayfaOgesi* o : satir.hucreler) ms.hucreler.append({o->metin, o->alan.left(), o->alan.width(), o->hiza});
        m.satirlar.append(std::move(ms));
    }
    // The captions: the page header's last line, and the header line of each
    // invoice's lines (the line before their first detail).
    for (qsizetype i = m.satirlar.size() - 1; i >= 0; --i)
        if (m.satirlar.at(i).bolum == Bolum::Tur::PageHeader && !m.satirlar.at(i).ic) {
            m.satirlar[i].baslik = true;
            break;
        }
    for (qsizetype i = 1; i < m.satirlar.size(); ++i) {
        const MetinSatiri& bu = m.satirlar.at(i);
        MetinSatiri& ust = m.satirlar[i - 1];
        if (bu.ic && bu.bolum == Bolum::Tur::Detail && ust.ic && ust.bolum != Bolum::Tur::Detail) ust.baslik = true;
    }
    return m;
}

QDataStream& operator<<(QDataStream& d, const MetinSayfasi& s) {
    d << qint32(s.solKenar) << qint32(s.satirlar.size());
    for (const MetinSatiri& satir : s.satirlar) {
        d << qint32(satir.bosluk) << qint32(satir.bolum) << satir.ic << satir.baslik << qint32(satir.hucreler.size());
        for (const MetinHucresi& h : satir.hucreler) d << h.metin << qint32(h.sol) << qint32(h.genislik) << qint32(h.hiza.toInt());
    }
    return d;
}

QDataStream& operator>>(QDataStream& d, MetinSayfasi& s) {
    qint32 sol = 0, satirSayisi = 0;
    d >> sol >> satirSayisi;
    s.solKenar = sol;
    s.satirlar.clear();
    for (qint32 i = 0; i < satirSayisi && d.status() == QDataStream::Ok; ++i) {
        qint32 bosluk = 0, bolum = 0, hucreSayisi = 0;
        MetinSatiri satir;
        d >> bosluk >> bolum >> satir.ic >> satir.baslik >> hucreSayisi;
        satir.bosluk = bosluk;
        satir.bolum = static_cast<Bolum::Tur>(bolum);
        for (qint32 j = 0; j < hucreSayisi && d.status() == QDataStream::Ok; ++j) {
            MetinHucresi h;
            qint32 hsol = 0, genislik = 0, hiza = 0;
            d >> h.metin >> hsol >> genislik >> hiza;
            h.sol = hsol;
            h.genislik = genislik;
            h.hiza = Qt::Alignment::fromInt(hiza);
            satir.hucreler.append(std::move(h));
        }
        s.satirlar.append(std::move(satir));
    }
    return d;
}

QString Sabit_Kolonlu(const QList<MetinHucresi>& hucreler, int sol) {
    QString satir;
    for (const MetinHucresi& o : hucreler) {
        const QString& m = o.metin;
        const int n = static_cast<int>(m.size());
        int bas = (o.sol - sol) / MetinDosyasi::kKarakter;
        if (o.hiza & Qt::AlignRight)
            bas = (o.sol + o.genislik - sol) / MetinDosyasi::kKarakter - n;
        else if (o.hiza & Qt::AlignHCenter)
            bas = (o.sol + o.genislik / 2 - sol) / MetinDosyasi::kKarakter - n / 2;
        // Texts never run into each other: one blank at least between them.
        bas = qMax(bas, satir.isEmpty() ? 0 : static_cast<int>(satir.size()) + 1);
        satir = satir.leftJustified(bas, u' ') + m;
    }
    return satir;
}

MetinIzgarasi::MetinIzgarasi(const MetinSatiri& basliklar, const QList<const MetinSatiri*>& satirlar, int solKenar) {
    QList<int> yerler, sonlar; // where each caption's field starts and ends, in characters
    for (const MetinHucresi& h : basliklar.hucreler) {
        araliklar_.append({h.sol, h.sol + h.genislik});
        kolonlar_.append({0, static_cast<int>(h.metin.size()), false});
        yerler << qMax(0, (h.sol - solKenar) / MetinDosyasi::kKarakter);
        sonlar << qMax(yerler.last() + 1, (h.sol + h.genislik - solKenar) / MetinDosyasi::kKarakter);
    }
    QList<int> sagda(kolonlar_.size(), 0), solda(kolonlar_.size(), 0);
    for (const MetinSatiri* satir : satirlar) {
        QList<int> uzunluk(kolonlar_.size(), -1); // texts sharing a column stand side by side
        for (const MetinHucresi& h : satir->hucreler) {
            const int c = kolon(h);
            uzunluk[c] += static_cast<int>(h.metin.size()) + 1;
            ++((h.hiza & Qt::AlignRight) ? sagda : solda)[c];
        }
        for (int c = 0; c < kolonlar_.size(); ++c) kolonlar_[c].genislik = qMax(kolonlar_.at(c).genislik, uzunluk.at(c));
    }
    int bas = 0;
    for (int c = 0; c < kolonlar_.size(); ++c) {
        Kolon& s = kolonlar_[c];
        s.sag_ = sagda.at(c) > solda.at(c);
        s.bas = qMax(yerler.at(c), bas);
        // As wide as the room the page gives it, up to the next caption.
        const int oda = c + 1 < kolonlar_.size() ? qMin(sonlar.at(c), yerler.at(c + 1) - 1) : sonlar.at(c);
        s.genislik = qMax(s.genislik, oda - s.bas);
        if (c + 1 < kolonlar_.size() && !s.sag_) s.genislik = qMax(s.genislik, yerler.at(c + 1) - 1 - s.bas);
        bas = s.bas + s.genislik + 1;
    }
}

int MetinIzgarasi::kolon(const MetinHucresi& h) const { return En_Yakin_Aralik(araliklar_, h.sol, h.sol + h.genislik); }

QString MetinIzgarasi::sabit(const MetinSatiri& satir) const {
    QString s;
    for (const MetinHucresi& h : satir.hucreler) {
        const Kolon& c = kolonlar_.at(kolon(h));
        const int enAz = s.isEmpty() ? 0 : static_cast<int>(s.size()) + 1; // never over the text before
        const int n = static_cast<int>(h.metin.size());
        if (c.sag_) {
            // An amount is never cut: wider than its column it takes the blanks before it.
            s = s.leftJustified(qMax(c.bas + c.genislik - n, enAz), u' ') + h.metin;
            continue;
        }
        // A field of an invoice is cut to its column; a total's label is not.
        const int yer = qMax(c.bas, enAz);
        s = s.leftJustified(yer, u' ') + (satir.bolum == Bolum::Tur::Detail ? h.metin.left(qMax(1, c.bas + c.genislik - yer)) : h.metin);
    }
    return s;
}

QStringList MetinIzgarasi::alanlar(const MetinSatiri& satir) const {
    QStringList a(kolonlar_.size());
    for (const MetinHucresi& h : satir.hucreler) {
        QString& alan = a[kolon(h)];
        alan += (alan.isEmpty() ? QString() : QStringLiteral(" ")) + h.metin;
    }
    return a;
}

QString Csv_Alani(const QString& alan, const QString& ayirac) {
    const bool tirnak = (!ayirac.isEmpty() && alan.contains(ayirac)) || alan.contains(u'"') || alan.contains(u'\n') || alan.contains(u'\r');
    if (!tirnak) return alan;
    QString s = alan;
    return u'"' + s.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

MetinDosyasi::MetinDosyasi(const QString& dosya, MetinSecenekleri secenekler) : hedef_(dosya), s_(std::move(secenekler)) {
    hata_ = !hedef_.acik();
    if (!hata_ && s_.evrenselKod) hata_ = hedef_.aygit().write("\xEF\xBB\xBF") != 3;
}

void MetinDosyasi::satirYaz(const QString& satir) {
    if (hata_) return;
    if (s_.bosSatirlariGizle && satir.trimmed().isEmpty()) return;
    if (!s_.evrenselKod)
        for (const QChar c : satir)
            if (!Cp1254::kod(c)) ++yerineKonan_;
    const QByteArray b = (s_.evrenselKod ? satir.toUtf8() : Cp1254::kodla(satir)) + "\r\n";
    hata_ = hedef_.aygit().write(b) != b.size();
}

void MetinDosyasi::yaz(const MetinSayfasi& s) {
    if (sayi_++ > 0) satirYaz(s_.sayfaAyiraci);
    // The table's own lines: the captions, the invoices, their totals.
    auto tablo = [](const MetinSatiri& satir) {
        return satir.baslik || satir.bolum == Bolum::Tur::Detail || satir.bolum == Bolum::Tur::GroupFooter1 ||
               satir.bolum == Bolum::Tur::PageFooter || satir.bolum == Bolum::Tur::ReportFooter;
    };
    for (const MetinSatiri& b : s.satirlar) {
        MetinIzgarasi& iz = b.ic ? icIzgara_ : izgara_;
        if (!b.baslik || !iz.bos()) continue;
        // The invoices set the widths; the totals' labels may run over.
        QList<const MetinSatiri*> altindakiler;
        for (const MetinSatiri& satir : s.satirlar)
            if (satir.ic == b.ic && satir.bolum == Bolum::Tur::Detail) altindakiler << &satir;
        iz = MetinIzgarasi(b, altindakiler, s.solKenar);
    }
    for (const MetinSatiri& satir : s.satirlar) {
        for (int bosluk = satir.bosluk; bosluk > 0; --bosluk) satirYaz(QString());
        const MetinIzgarasi* iz = !tablo(satir) ? nullptr : satir.ic ? &icIzgara_ : &izgara_;
        if (iz && iz->bos()) iz = nullptr;
        if (s_.alanAyiraci.isEmpty()) {
            satirYaz(iz ? iz->sabit(satir) : Sabit_Kolonlu(satir.hucreler, s.solKenar));
            continue;
        }
        QStringList alanlar;
        if (iz) {
            alanlar = iz->alanlar(satir);
        } else {
            for (const MetinHucresi& h : satir.hucreler) alanlar << h.metin;
        }
        for (QString& a : alanlar) a = Csv_Alani(a, s_.alanAyiraci);
        satirYaz(alanlar.join(s_.alanAyiraci));
    }
}

bool MetinDosyasi::bitir() {
    if (hata_) {
        hedef_.vazgec();
        return false;
    }
    return hedef_.tamamla();
}

} // namespace Bant
