#include "startup/Metin.h"
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
