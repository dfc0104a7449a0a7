#pragma once
#include "bant/Belge.h"

// Shorthands for laying out the report documents from their tables (twips).
namespace Duzen {

using Bant::Kontrol;

inline Kontrol etiket(const char* ad, const QString& metin, int sol, int ust, int genislik, int yukseklik) {
    Kontrol k;
    k.ad = QString::fromUtf8(ad);
    k.tur = Kontrol::Tur::Etiket;
    k.metin = metin;
    k.sol = sol, k.ust = ust, k.genislik = genislik, k.yukseklik = yukseklik;
    return k;
}

inline Kontrol alan(const char* ad, const char* veriAlani, int sol, int ust, int genislik, int yukseklik, const char* bicim = "",
                    Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop) {
    Kontrol k;
    k.ad = QString::fromUtf8(ad);
    k.tur = Kontrol::Tur::Alan;
    k.veriAlani = QString::fromUtf8(veriAlani);
    k.cikisBicimi = QString::fromUtf8(bicim);
    k.sol = sol, k.ust = ust, k.genislik = genislik, k.yukseklik = yukseklik;
    k.hiza = hiza;
    return k;
}

inline Kontrol ozet(const char* ad, const char* veriAlani, Kontrol::OzetTuru tur, Kontrol::Kapsam kapsam, int sol, int ust, int genislik,
                    int yukseklik, const char* bicim = "") {
    Kontrol k = alan(ad, veriAlani, sol, ust, genislik, yukseklik, bicim, Qt::AlignRight | Qt::AlignTop);
    k.tur = Kontrol::Tur::Ozet;
    k.ozetTuru = tur;
    k.kapsam = kapsam;
    if (tur == Kontrol::OzetTuru::Sayi) k.hiza = Qt::AlignLeft | Qt::AlignTop;
    return k;
}

inline Kontrol cizgi(const char* ad, int x1, int y1, int x2, int y2) {
    Kontrol k;
    k.ad = QString::fromUtf8(ad);
    k.tur = Kontrol::Tur::Cizgi;
    k.x1 = x1, k.y1 = y1, k.x2 = x2, k.y2 = y2;
    return k;
}

inline constexpr Qt::Alignment kSag = Qt::AlignRight | Qt::AlignTop;
inline constexpr Qt::Alignment kOrta = Qt::AlignHCenter | Qt::AlignTop;

} // namespace Duzen
