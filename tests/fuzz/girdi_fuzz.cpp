// Any text as a typed date, number or amount: the checks answer without a
// fault, and what they accept formats and reads back.
#include "bant/SayiBicimi.h"
#include "platform/metin/SayiTesti.h"
#include "platform/metin/TarihTesti.h"
#include "platform/veritabani/BaglantiCumlesi.h"
#include "bant/Para.h"
#include "platform/veritabani/TurkceSiralama.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* veri, size_t boyut) {
    const QByteArray baytlar(reinterpret_cast<const char*>(veri), static_cast<qsizetype>(boyut));
    const QString metin = QString::fromUtf8(baytlar);
    TarihTesti::tarihMi(metin);
    SayiTesti::sayiMi(metin, QStringLiteral(","), QStringLiteral("."));
    for (QChar ayirac : {QChar(u'.'), QChar(u',')}) {
        if (const auto p = Para::metinden(metin, ayirac)) {
            const QString yazilan = SayiBicimi::bicimle(*p, QStringLiteral("#,##0.0000"), QStringLiteral("."), QString());
            // What is read back is the same amount.
            if (Para::metinden(yazilan) != p) std::abort();
        }
    }
    BaglantiCumlesi::ayristir(metin);
    const qsizetype yari = baytlar.size() / 2;
    const int a = Turkce_Karsilastir(baytlar.left(yari), baytlar.mid(yari));
    const int b = Turkce_Karsilastir(baytlar.mid(yari), baytlar.left(yari));
    if ((a > 0) != (b < 0) || (a == 0) != (b == 0)) std::abort(); // the order is antisymmetric
    return 0;
}
