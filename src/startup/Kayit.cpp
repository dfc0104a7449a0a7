#include "startup/Kayit.h"
#include "bant/Cp1254.h"

QString Kayit_Oku(Kok kok, const QString& anahtar, const QString& ad) {
    const auto deger = AyarDeposu::oku(kok, anahtar, ad);
    if (!deger) return {};
    const qsizetype nul = deger->indexOf(QChar(u'\0'));
    return nul < 0 ? *deger : deger->left(nul);
}

void Kayit_Yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& metin) {
    AyarDeposu::yaz(kok, anahtar, ad, Cp1254::coz(Cp1254::kodla(metin)));
}
