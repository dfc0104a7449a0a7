#pragma once
#include "bant/Imlec.h"

#include <utility>

// Rows held in memory, read as a cursor: a document's data without a database.
class BellekImleci : public Imlec {
public:
    BellekImleci(QStringList adlar, QList<QList<Deger>> satirlar) : adlar_(std::move(adlar)), satirlar_(std::move(satirlar)) {}
    const QStringList& alanAdlari() const override { return adlar_; }
    bool sonraki(QList<Deger>& satir) override {
        if (i_ >= satirlar_.size()) return false;
        satir = satirlar_.at(i_++);
        return true;
    }

private:
    QStringList adlar_;
    QList<QList<Deger>> satirlar_;
    qsizetype i_ = 0;
};
