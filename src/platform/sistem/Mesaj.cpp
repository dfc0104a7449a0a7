#include "platform/sistem/Mesaj.h"
#include "platform/sistem/KonsolMesaj.h"

namespace {
MesajServisi* gServis = nullptr;
}

// The program's name comes from the build (FL_PROGRAM_ADI), so this layer names no product.
QString programBasligi() { return QStringLiteral(FL_PROGRAM_ADI); }

MesajServisi& mesajServisi() {
    static KonsolMesaj varsayilan(false);
    return gServis ? *gServis : varsayilan;
}

void mesajServisiniAyarla(MesajServisi* servis) { gServis = servis; }

void MsgBox(const QString& metin, Simge simge, const QString& baslik) {
    mesajServisi().goster(metin, simge, baslik.isEmpty() ? programBasligi() : baslik);
}

bool MsgBoxEvetHayir(const QString& metin, const QString& baslik) {
    return mesajServisi().evetMi(metin, baslik.isEmpty() ? programBasligi() : baslik);
}
