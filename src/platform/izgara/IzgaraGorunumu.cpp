#include "platform/izgara/IzgaraGorunumu.h"
#include "platform/izgara/IzgaraModeli.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>
#include <QStyledItemDelegate>

namespace {

// The editor follows the grid's drop-down syntax: a list that begins with
// "|" lets the user type besides picking, any other list only picks.
class ListeTemsilcisi : public QStyledItemDelegate {
public:
    ListeTemsilcisi(IzgaraModeli* model, IzgaraGorunumu* ust) : QStyledItemDelegate(ust), model_(model), gorunum_(ust) {}

    QWidget* createEditor(QWidget* ust, const QStyleOptionViewItem& secenek, const QModelIndex& i) const override {
        QWidget* d = duzenleyici(ust, secenek, i);
        if (gorunum_->duzenleyiciAcildi) gorunum_->duzenleyiciAcildi(d, i.row(), i.column());
        return d;
    }
    QWidget* duzenleyici(QWidget* ust, const QStyleOptionViewItem& secenek, const QModelIndex& i) const {
        const QString liste = model_->acilirListe();
        if (liste.isEmpty()) return QStyledItemDelegate::createEditor(ust, secenek, i);
        auto* kutu = new QComboBox(ust);
        const bool serbest = liste.startsWith(u'|');
        QStringList ogeler = liste.split(u'|');
        if (serbest) ogeler.removeFirst();
        while (!ogeler.isEmpty() && ogeler.last().isEmpty()) ogeler.removeLast();
        kutu->addItems(ogeler);
        kutu->setMaxVisibleItems(20);
        kutu->setEditable(serbest || model_->baslayanlar());
        // Enter commits the text; it never becomes an item of the list.
        kutu->setInsertPolicy(QComboBox::NoInsert);
        if (const auto baslayanlar = model_->baslayanlar()) {
            // The items follow what is typed, once typing pauses.
            kutu->setCompleter(nullptr);
            auto* bekleme = new QTimer(kutu);
            bekleme->setSingleShot(true);
            bekleme->setInterval(200);
            connect(kutu, &QComboBox::editTextChanged, bekleme, qOverload<>(&QTimer::start));
            connect(bekleme, &QTimer::timeout, kutu, [kutu, ogeler, baslayanlar] { ogeleriYenile(kutu, ogeler, baslayanlar); });
        }
        return kutu;
    }
    static void ogeleriYenile(QComboBox* kutu, const QStringList& sabitler, const IzgaraModeli::Baslayanlar& baslayanlar) {
        const QString metin = kutu->currentText();
        const int imlec = kutu->lineEdit()->cursorPosition();
        const QSignalBlocker dur(kutu);
        kutu->clear();
        kutu->addItems(sabitler);
        kutu->addItems(baslayanlar(metin));
        kutu->setEditText(metin);
        kutu->lineEdit()->setCursorPosition(imlec);
    }
    void setEditorData(QWidget* editor, const QModelIndex& i) const override {
        if (auto* kutu = qobject_cast<QComboBox*>(editor)) {
            const QString metin = i.data(Qt::EditRole).toString();
            const int yer = kutu->findText(metin);
            if (yer >= 0)
                kutu->setCurrentIndex(yer);
            else if (kutu->isEditable())
                kutu->setEditText(metin);
            // As in a text cell, what is typed replaces the cell's text.
            if (kutu->isEditable()) kutu->lineEdit()->selectAll();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, i);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* m, const QModelIndex& i) const override {
        if (auto* kutu = qobject_cast<QComboBox*>(editor)) {
            const QString metin = kutu->currentText();
            // A long pick-only list takes only its own items: anything else leaves the cell as it was.
            const auto& baslayanlar = model_->baslayanlar();
            if (baslayanlar && !model_->acilirListe().startsWith(u'|') &&
                kutu->findText(metin, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0 && !baslayanlar(metin).contains(metin))
                return;
            m->setData(i, metin, Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, m, i);
    }

private:
    IzgaraModeli* model_;
    IzgaraGorunumu* gorunum_;
};

} // namespace

IzgaraGorunumu::IzgaraGorunumu(IzgaraModeli* model, QWidget* ust) : QTableView(ust), model_(model) {
    setModel(model);
    setItemDelegate(new ListeTemsilcisi(model, this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setWordWrap(false);
    sutunlariUygula();
    connect(model, &IzgaraModeli::modelReset, this, &IzgaraGorunumu::sutunlariUygula);
    connect(model, &IzgaraModeli::gecerliHucreDegisti, this, [this](int satir, int sutun) {
        const QModelIndex i = model_->index(satir, sutun);
        if (currentIndex() != i) {
            yonlendiriliyor_ = true;
            setCurrentIndex(i);
            yonlendiriliyor_ = false;
        }
    });
}

void IzgaraGorunumu::sutunlariUygula() {
    const auto& sutunlar = model_->sutunlar();
    for (int c = 0; c < sutunlar.size(); ++c) {
        setColumnWidth(c, twipPiksel(sutunlar.at(c).genislikTwip));
        setColumnHidden(c, sutunlar.at(c).gizli);
    }
}

void IzgaraGorunumu::currentChanged(const QModelIndex& simdiki, const QModelIndex& onceki) {
    if (yonlendiriliyor_ || !simdiki.isValid()) {
        QTableView::currentChanged(simdiki, onceki);
        return;
    }
    // Fixed rows are headers, never a place for the cursor.
    if (simdiki.row() < model_->sabitSatir() || (hareketIzni && !hareketIzni(simdiki.row(), simdiki.column()))) {
        yonlendiriliyor_ = true;
        setCurrentIndex(onceki.isValid() ? onceki : model_->index(model_->gecerliSatir(), model_->gecerliSutun()));
        yonlendiriliyor_ = false;
        return;
    }
    std::pair<int, int> hedef{simdiki.row(), simdiki.column()};
    if (hareketSonrasi) hedef = hareketSonrasi(simdiki.row(), simdiki.column());
    // The model's current cell decides what is editable, so it moves first.
    model_->gecerliHucreAyarla(hedef.first, hedef.second);
    if (hedef != std::pair<int, int>{simdiki.row(), simdiki.column()}) {
        yonlendiriliyor_ = true;
        setCurrentIndex(model_->index(hedef.first, hedef.second));
        yonlendiriliyor_ = false;
        return;
    }
    QTableView::currentChanged(simdiki, onceki);
}

void IzgaraGorunumu::setSelection(const QRect&, QItemSelectionModel::SelectionFlags) {
    if (selectionModel() && currentIndex().isValid()) selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

bool IzgaraGorunumu::edit(const QModelIndex& i, EditTrigger tetik, QEvent* olay) {
    if (i.isValid() && i != currentIndex()) return false;
    return QTableView::edit(i, tetik, olay);
}
