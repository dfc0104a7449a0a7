#include "platform/izgara/IzgaraModeli.h"

#include <QFont>

void IzgaraModeli::sutunlariKur(const QList<Sutun>& sutunlar, int sabitSatir) {
    beginResetModel();
    sutunlar_ = sutunlar;
    anahtarlar_.clear();
    for (int i = 0; i < sutunlar_.size(); ++i) anahtarlar_.insert(sutunlar_.at(i).anahtar, i);
    sabit_ = sabitSatir;
    hucreler_.assign(static_cast<size_t>(sabitSatir), std::vector<Hucre>(static_cast<size_t>(sutunlar_.size())));
    gizliSatirlar_.assign(static_cast<size_t>(sabitSatir), false);
    for (int s = 0; s < sabitSatir; ++s)
        for (int c = 0; c < sutunlar_.size(); ++c) hucreler_[s][c].metin = sutunlar_.at(c).baslik;
    satir_ = sabitSatir;
    sutun_ = 0;
    endResetModel();
}

int IzgaraModeli::sutunNo(const QString& anahtar) const { return anahtarlar_.value(anahtar, -1); }

void IzgaraModeli::satirSayisiAyarla(int n) {
    n = qMax(n, 0);
    const int eski = satirSayisi();
    if (n == eski) return;
    if (n > eski) {
        beginInsertRows({}, eski, n - 1);
        hucreler_.resize(static_cast<size_t>(n), std::vector<Hucre>(static_cast<size_t>(sutunlar_.size())));
        gizliSatirlar_.resize(static_cast<size_t>(n), false);
        endInsertRows();
    } else {
        beginRemoveRows({}, n, eski - 1);
        hucreler_.resize(static_cast<size_t>(n));
        gizliSatirlar_.resize(static_cast<size_t>(n));
        endRemoveRows();
    }
}

void IzgaraModeli::temizle() {
    for (auto& satir : hucreler_)
        for (auto& h : satir) h.metin.clear();
    if (!hucreler_.empty()) emit dataChanged(index(0, 0), index(satirSayisi() - 1, columnCount() - 1));
}

bool IzgaraModeli::gecerli(int satir, int sutun) const {
    return satir >= 0 && satir < satirSayisi() && sutun >= 0 && sutun < sutunlar_.size();
}

QString IzgaraModeli::hucre(int satir, int sutun) const { return gecerli(satir, sutun) ? hucreler_[satir][sutun].metin : QString(); }

void IzgaraModeli::hucreYaz(int satir, int sutun, const QString& metin) {
    if (!gecerli(satir, sutun) || hucreler_[satir][sutun].metin == metin) return;
    hucreler_[satir][sutun].metin = metin;
    emit dataChanged(index(satir, sutun), index(satir, sutun), {Qt::DisplayRole, Qt::EditRole});
}

QString IzgaraModeli::hucre(int satir, const QString& anahtar) const { return hucre(satir, sutunNo(anahtar)); }

void IzgaraModeli::hucreYaz(int satir, const QString& anahtar, const QString& metin) { hucreYaz(satir, sutunNo(anahtar), metin); }

void IzgaraModeli::kalinYap(int satir1, int sutun1, int satir2, int sutun2, bool kalin) {
    for (int s = satir1; s <= satir2; ++s)
        for (int c = sutun1; c <= sutun2; ++c)
            if (gecerli(s, c)) hucreler_[s][c].kalin = kalin;
    if (gecerli(satir1, sutun1) && gecerli(satir2, sutun2)) emit dataChanged(index(satir1, sutun1), index(satir2, sutun2), {Qt::FontRole});
}

bool IzgaraModeli::kalinMi(int satir, int sutun) const { return gecerli(satir, sutun) && hucreler_[satir][sutun].kalin; }

void IzgaraModeli::arkaPlanYap(int satir, int sutun, const QColor& renk) {
    if (!gecerli(satir, sutun)) return;
    hucreler_[satir][sutun].renk = renk;
    emit dataChanged(index(satir, sutun), index(satir, sutun), {Qt::BackgroundRole});
}

QColor IzgaraModeli::arkaPlan(int satir, int sutun) const { return gecerli(satir, sutun) ? hucreler_[satir][sutun].renk : QColor(); }

void IzgaraModeli::satirGizle(int satir, bool gizli) {
    if (satir >= 0 && satir < satirSayisi()) gizliSatirlar_[satir] = gizli;
}

bool IzgaraModeli::satirGizliMi(int satir) const { return satir >= 0 && satir < satirSayisi() && gizliSatirlar_[satir]; }

void IzgaraModeli::gecerliHucreAyarla(int satir, int sutun) {
    if (satir == satir_ && sutun == sutun_) return;
    satir_ = satir;
    sutun_ = sutun;
    emit gecerliHucreDegisti(satir, sutun);
}

int IzgaraModeli::satirBul(const QString& anahtar, const QString& metin) const {
    const int c = sutunNo(anahtar);
    for (int s = sabit_; s < satirSayisi(); ++s)
        if (hucre(s, c) == metin) return s;
    return -1;
}

int IzgaraModeli::rowCount(const QModelIndex& ust) const { return ust.isValid() ? 0 : satirSayisi(); }
int IzgaraModeli::columnCount(const QModelIndex& ust) const { return ust.isValid() ? 0 : static_cast<int>(sutunlar_.size()); }

QVariant IzgaraModeli::data(const QModelIndex& i, int rol) const {
    if (!gecerli(i.row(), i.column())) return {};
    const Hucre& h = hucreler_[i.row()][i.column()];
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::EditRole: return h.metin;
    case Qt::FontRole: {
        if (!h.kalin) return {};
        QFont f;
        f.setBold(true);
        return f;
    }
    case Qt::BackgroundRole: return h.renk.isValid() ? QVariant(h.renk) : QVariant();
    default: return {};
    }
}

bool IzgaraModeli::setData(const QModelIndex& i, const QVariant& deger, int rol) {
    if (rol != Qt::EditRole || !gecerli(i.row(), i.column())) return false;
    hucreYaz(i.row(), i.column(), deger.toString());
    emit duzenlemeBitti(i.row(), i.column());
    return true;
}

Qt::ItemFlags IzgaraModeli::flags(const QModelIndex& i) const {
    if (!i.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only the current cell can be edited, and only while editing is allowed.
    if (duzenlenebilir_ && i.row() >= sabit_ && i.row() == satir_ && i.column() == sutun_) f |= Qt::ItemIsEditable;
    return f;
}
