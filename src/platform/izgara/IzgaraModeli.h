#pragma once
#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <functional>
#include <vector>

// A grid of text cells addressed by row number and column key, with the
// operations the program's forms rely on: row count, current cell, bold and
// background per cell, the drop-down list offered while a cell is edited and
// whether editing is allowed. Rows below `sabitSatir` are fixed header rows
// (the filter grid's row 0). It runs without any window; a view shows it.
class IzgaraModeli : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Sutun {
        QString anahtar;
        QString baslik;
        int genislikTwip = 1000;
        bool gizli = false;
    };

    explicit IzgaraModeli(QObject* ust = nullptr) : QAbstractTableModel(ust) {}

    void sutunlariKur(const QList<Sutun>& sutunlar, int sabitSatir);
    const QList<Sutun>& sutunlar() const { return sutunlar_; }
    int sutunNo(const QString& anahtar) const; // -1 when no column has the key
    int sabitSatir() const { return sabit_; }

    int satirSayisi() const { return static_cast<int>(hucreler_.size()); }
    // Lower drops the last rows, higher appends empty ones.
    void satirSayisiAyarla(int n);
    void temizle();

    QString hucre(int satir, const QString& anahtar) const;
    void hucreYaz(int satir, const QString& anahtar, const QString& metin);
    QString hucre(int satir, int sutun) const;
    void hucreYaz(int satir, int sutun, const QString& metin);

    void kalinYap(int satir1, int sutun1, int satir2, int sutun2, bool kalin);
    bool kalinMi(int satir, int sutun) const;
    void arkaPlanYap(int satir, int sutun, const QColor& renk);
    QColor arkaPlan(int satir, int sutun) const; // invalid colour: none set

    void satirGizle(int satir, bool gizli);
    bool satirGizliMi(int satir) const;

    int gecerliSatir() const { return satir_; }
    int gecerliSutun() const { return sutun_; }
    // Moves the cursor without asking anybody; the view asks first.
    void gecerliHucreAyarla(int satir, int sutun);

    // "a|b|c": pick only; "|a|b": free entry besides the items; empty: no list.
    // A list too long to hold gives `baslayanlar`: the items that start with a
    // text, offered besides its own items as the user types.
    using Baslayanlar = std::function<QStringList(const QString& onEk)>;
    const QString& acilirListe() const { return liste_; }
    const Baslayanlar& baslayanlar() const { return baslayanlar_; }
    void acilirListeAyarla(const QString& liste, Baslayanlar baslayanlar = {}) {
        liste_ = liste;
        baslayanlar_ = std::move(baslayanlar);
    }
    bool duzenlenebilir() const { return duzenlenebilir_; }
    void duzenlenebilirAyarla(bool evet) { duzenlenebilir_ = evet; }

    // Finds the first row from `sabitSatir` on whose cell under `anahtar` is exactly `metin`; -1 if none.
    int satirBul(const QString& anahtar, const QString& metin) const;

    // QAbstractTableModel
    int rowCount(const QModelIndex& ust = {}) const override;
    int columnCount(const QModelIndex& ust = {}) const override;
    QVariant data(const QModelIndex& i, int rol) const override;
    bool setData(const QModelIndex& i, const QVariant& deger, int rol) override;
    Qt::ItemFlags flags(const QModelIndex& i) const override;

signals:
    void gecerliHucreDegisti(int satir, int sutun);
    // A cell took a new text through the view's editor (not through hucreYaz).
    void duzenlemeBitti(int satir, int sutun);

private:
    struct Hucre {
        QString metin;
        bool kalin = false;
        QColor renk;
    };
    bool gecerli(int satir, int sutun) const;

    QList<Sutun> sutunlar_;
    QHash<QString, int> anahtarlar_;
    std::vector<std::vector<Hucre>> hucreler_;
    std::vector<bool> gizliSatirlar_;
    int sabit_ = 0;
    int satir_ = 0;
    int sutun_ = 0;
    QString liste_;
    Baslayanlar baslayanlar_;
    bool duzenlenebilir_ = false;
};
