#pragma once
#include "bant/TarihKalibi.h"
#include "bant/Birimler.h"
#include "bant/Deger.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QString>
#include <memory>
#include <vector>

namespace Bant {

class RaporBelgesi;

// A control of a banded document. Positions and sizes are twips from the
// section's top left; a line runs from (x1, y1) to (x2, y2).
struct Kontrol {
    enum class Tur { Etiket, Alan, Cizgi, Ozet, AltRapor };
    enum class OzetTuru { Toplam, Sayi };
    enum class Kapsam { Grup, Rapor };

    QString ad;
    Tur tur = Tur::Etiket;
    int sol = 0, ust = 0, genislik = 0, yukseklik = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool gorunur = true;
    QString metin; // caption of a label, or text a handler set on a field
    bool metinVar = false;
    QString veriAlani;   // bound column
    QString cikisBicimi; // OutputFormat: "#,##0.00" ...
    Deger deger;         // value of a field or summary
    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop;
    bool kalin = false;
    QColor arkaPlan;
    OzetTuru ozetTuru = OzetTuru::Toplam;
    Kapsam kapsam = Kapsam::Grup;
    std::shared_ptr<RaporBelgesi> altRapor; // what a sub-report holder shows

    // Text set by a handler replaces the value's text (a field's Text property).
    void metinAyarla(const QString& m) {
        metin = m;
        metinVar = true;
    }
    void degerAyarla(const Deger& d) {
        deger = d;
        metinVar = false;
    }
};

struct Bolum {
    enum class Tur { ReportHeader, PageHeader, GroupHeader1, Detail, GroupFooter1, PageFooter, ReportFooter };
    Tur tur = Tur::Detail;
    int yukseklik = 0;
    bool gorunur = true;
    // Fixed when the document is built: handles to its controls stay valid.
    std::vector<Kontrol> kontroller;
    // Group header: the column whose change starts a group, and a new page before each group.
    QString grupAlani;
    bool yeniSayfa = false;

    int Count() const { return static_cast<int>(kontroller.size()); }
};

// The report face. The size is in twips (170 = 8.5 pt).
struct YaziTipi {
    QString aile = QStringLiteral("Arial Narrow");
    int boyut = 170;
    bool operator==(const YaziTipi&) const = default;
};

// The paper and what lies on it, in twips: the paper's size, the margins
// the sections are laid out within, and the face every text is set in.
struct SayfaAyari {
    int genislik = Birim::A4Genislik;
    int yukseklik = Birim::A4Yukseklik;
    // A4 less the print width 10785, centred; the page footer ends `alt` above the paper's edge.
    int solKenar = 560;
    int ustKenar = 720;
    int altKenar = 720;
    YaziTipi yazi;
};

// How values become text: the regional separators and the short date form.
struct DegerBicimi {
    QString ondalik = QStringLiteral(",");
    QString binlik = QStringLiteral(".");
    QString kisaTarih = QStringLiteral("dd.MM.yyyy");
    QString metin(const Deger& d, const QString& cikisBicimi) const;

private:
    mutable TarihKalibi kalip_; // kisaTarih read once, again when it changes
    // Each day's text by its Julian day: a report prints the same few thousand
    // days again and again, and a shared text is neither formatted nor
    // allocated anew.
    mutable QHash<qint64, QString> gunler_;
};

} // namespace Bant
