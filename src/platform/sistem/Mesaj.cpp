#include "platform/sistem/Mesaj.h"
#include "platform/sistem/KonsolMesaj.h"

namespace {
MesajServisi* gServis = nullptr;
}

QString programBasligi() { return QStringLiteral("Fatura Listesi"); }

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
