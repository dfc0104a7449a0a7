#include "bant/Satirlar.h"

#include <algorithm>

namespace Bant {

bool Satir::kalin() const {
    return !hucreler.isEmpty() && std::all_of(hucreler.cbegin(), hucreler.cend(), [](const SayfaOgesi* o) { return o->kalin; });
}

QList<Satir> Sayfa_Satirlari(const Sayfa& sayfa) {
    QList<Satir> satirlar;
    for (const SayfaOgesi& o : sayfa.ogeler) {
        if (o.tur != SayfaOgesi::Tur::Metin) continue;
        Satir* bulunan = nullptr;
        for (qsizetype i = satirlar.size() - 1; i >= 0 && !bulunan; --i) {
            Satir& s = satirlar[i];
            if (s.blok != o.blok) continue;
            const int fark = qAbs(o.alan.top() - s.ust);
            if (2 * fark < qMin(o.alan.height(), s.alt - s.ust)) bulunan = &s;
        }
        if (!bulunan) {
            Satir yeni;
            yeni.bolum = o.bolum;
            yeni.ic = o.ic;
            yeni.blok = o.blok;
            yeni.ust = o.alan.top();
            yeni.alt = o.alan.top() + o.alan.height();
            satirlar << yeni;
            bulunan = &satirlar.last();
        }
        bulunan->alt = qMax(bulunan->alt, o.alan.top() + o.alan.height());
        bulunan->hucreler << &o;
    }
    std::stable_sort(satirlar.begin(), satirlar.end(), [](const Satir& a, const Satir& b) { return a.ust < b.ust; });
    for (Satir& s : satirlar)
        std::stable_sort(s.hucreler.begin(), s.hucreler.end(),
                         [](const SayfaOgesi* a, const SayfaOgesi* b) { return a->alan.left() < b->alan.left(); });
    return satirlar;
}

Kolonlar::Kolonlar(const Satir& basliklar) {
    for (const SayfaOgesi* o : basliklar.hucreler) {
        araliklar_ << qMakePair(o->alan.left(), o->alan.left() + o->alan.width());
        basliklar_ << o->metin;
    }
}

int En_Yakin_Aralik(const QList<QPair<int, int>>& araliklar, int sol, int sag) {
    int enIyi = -1;
    int enCok = 0;
    for (int i = 0; i < araliklar.size(); ++i) {
        const int ortak = qMin(sag, araliklar.at(i).second) - qMax(sol, araliklar.at(i).first);
        if (ortak > enCok) {
            enCok = ortak;
            enIyi = i;
        }
    }
    if (enIyi >= 0) return enIyi;
    const int orta = (sol + sag) / 2;
    int enYakin = INT_MAX;
    for (int i = 0; i < araliklar.size(); ++i) {
        const int uzaklik = qAbs((araliklar.at(i).first + araliklar.at(i).second) / 2 - orta);
        if (uzaklik < enYakin) {
            enYakin = uzaklik;
            enIyi = i;
        }
    }
    return qMax(enIyi, 0);
}

int Kolonlar::kolon(const QRect& alan) const { return En_Yakin_Aralik(araliklar_, alan.left(), alan.left() + alan.width()); }

QMap<int, QList<const SayfaOgesi*>> Kolonlar::dagit(const QList<const SayfaOgesi*>& hucreler, int kayma, int enFazla) const {
    QMap<int, QList<const SayfaOgesi*>> m;
    for (int i = 0; i < hucreler.size(); ++i) m[kayma + (bos() ? qMin(i, enFazla - 1) : kolon(hucreler.at(i)->alan))] << hucreler.at(i);
    return m;
}

qsizetype Baslik_Satiri(const QList<Satir>& satirlar) {
    qsizetype son = -1;
    for (qsizetype i = 0; i < satirlar.size(); ++i)
        if (satirlar.at(i).bolum == Bolum::Tur::PageHeader && !satirlar.at(i).ic) son = i;
    return son;
}

} // namespace Bant
