#pragma once
#include "startup/Oturum.h"

// The user's right to this report, and the workplace and warehouse
// restrictions that apply when the company ties them to the user.
struct Yetkiler {
    bool RaporYetkisi = false;
    Kisitlar kisitlar;
};

// Reads them for the user in the company. Errors are left to the caller's trap.
Yetkiler Yetkileri_Oku(Baglanti& baglanti, const FirmaBilgisi& firma, qint32 kullanici);
