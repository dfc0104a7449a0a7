#pragma once
#include "platform/sistem/Mesaj.h"

// Modal message boxes over the active window.
class GuiMesaj : public MesajServisi {
public:
    void goster(const QString& metin, Simge simge, const QString& baslik) override;
    bool evetMi(const QString& metin, const QString& baslik) override;
};
