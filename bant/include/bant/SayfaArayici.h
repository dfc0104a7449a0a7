#pragma once
#include "bant/Sayfa.h"

#include <QLocale>
#include <optional>

namespace Bant {

// Finds a text in the laid-out pages, one text item at a time (a match
// split across two items is none), letter case ignored by the Turkish rules:
// "izmir" finds "İZMİR", "gida" does not find "GIDA".
class SayfaArayici {
public:
    struct Yer {
        int sayfa = -1;
        int oge = -1; // the item's index in the page's ogeler
    };
    struct Sonuc {
        Yer yer;
        bool dondu = false; // the search went past the last page to the first (or back past the first)
    };

    void aranan(const QString& metin);
    const QString& aranan() const { return aranan_; }

    // The first match after `simdiki` (before it when `geri`), going round
    // the pages once; none when no item holds the text. An invalid
    // `simdiki` starts from the first page (the last when `geri`).
    std::optional<Sonuc> bul(const QList<Sayfa>& sayfalar, Yer simdiki, bool geri = false) const;
    // The first match in pages [ilk, son), for pages that arrived after a search found nothing.
    std::optional<Yer> ilk(const QList<Sayfa>& sayfalar, int ilkSayfa) const;

    bool eslesir(const SayfaOgesi& o) const;

private:
    QLocale turkce_{QLocale::Turkish, QLocale::Turkey};
    QString aranan_;
    QString kucuk_;
};

} // namespace Bant
