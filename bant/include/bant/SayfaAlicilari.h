#pragma once
#include "bant/Sayfa.h"

#include <QList>

namespace Bant {

// Keeps every page, for the preview window and the tests.
class SayfaDeposu : public SayfaAlici {
public:
    void sayfa(Sayfa&& s) override { sayfalar.append(std::move(s)); }
    QList<Sayfa> sayfalar;
};

// Hands each page to several receivers.
class CokluAlici : public SayfaAlici {
public:
    void ekle(SayfaAlici* a) { alicilar_ << a; }
    void sayfa(Sayfa&& s) override {
        for (qsizetype i = 0; i + 1 < alicilar_.size(); ++i) alicilar_[i]->sayfa(Sayfa(s));
        if (!alicilar_.isEmpty()) alicilar_.last()->sayfa(std::move(s));
    }

private:
    QList<SayfaAlici*> alicilar_;
};

} // namespace Bant
