#pragma once
#include <QTableView>
#include <functional>

class IzgaraModeli;

// Shows an IzgaraModeli: column widths in twips, hidden columns, the model's
// fixed rows drawn as its header, and the drop-down list of the current cell
// as the cell editor. The form decides about cursor moves through the hooks.
class IzgaraGorunumu : public QTableView {
    Q_OBJECT
public:
    explicit IzgaraGorunumu(IzgaraModeli* model, QWidget* ust = nullptr);

    // Asked before the cursor moves to a cell; false refuses the move.
    std::function<bool(int, int)> hareketIzni;
    // Told after it moved; returns the cell the cursor must stand on.
    std::function<std::pair<int, int>(int, int)> hareketSonrasi;
    // Told when a cell editor has been made, before it shows the cell's text.
    std::function<void(QWidget*, int, int)> duzenleyiciAcildi;

    using QTableView::edit;
    bool duzenleniyor() const { return state() == QAbstractItemView::EditingState; }

    static int twipPiksel(int twip) { return (twip * 96 + 720) / 1440; }
    void sutunlariUygula();

protected:
    void currentChanged(const QModelIndex& simdiki, const QModelIndex& onceki) override;
    // The highlight is always the cursor's cell, where typing goes: a click
    // on a cell the cursor may not enter selects nothing there.
    void setSelection(const QRect& alan, QItemSelectionModel::SelectionFlags bayraklar) override;
    // Only the cursor's cell is ever edited.
    bool edit(const QModelIndex& i, EditTrigger tetik, QEvent* olay) override;

private:
    IzgaraModeli* model_;
    bool yonlendiriliyor_ = false;
};
