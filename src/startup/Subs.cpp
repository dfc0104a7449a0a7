#include "startup/Subs.h"
#include "bant/Cp1254.h"

QString Buyuk_Harf(const QString& metin) {
    if (!metin.contains(u'ı') && !metin.contains(u'i')) return metin.toUpper();
    QString sonuc;
    sonuc.reserve(metin.size());
    for (QChar c : metin) {
        if (c == u'ı')
            sonuc += u'I';
        else if (c == u'i')
            sonuc += u'İ';
        else
            sonuc += QString(c).toUpper();
    }
    return sonuc;
}

QString Kayit_Oku(Kok kok, const QString& anahtar, const QString& ad) {
    const auto deger = AyarDeposu::oku(kok, anahtar, ad);
    if (!deger) return {};
    const qsizetype nul = deger->indexOf(QChar(u'\0'));
    return nul < 0 ? *deger : deger->left(nul);
}

void Kayit_Yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& metin) {
    AyarDeposu::yaz(kok, anahtar, ad, Cp1254::coz(Cp1254::kodla(metin)));
}

QString Sifrele(const QString& metin) {
    QString sonuc;
    for (qsizetype i = 0; i < metin.size(); ++i) {
        // A character the code page lacks counts as "?", as the system converts it.
        const int c = Cp1254::kod(metin.at(i)).value_or('?');
        const int v = 2 * c + static_cast<int>(i + 1);
        if (v <= 255) sonuc += Cp1254::karakter(static_cast<unsigned char>(v));
    }
    return sonuc;
}
