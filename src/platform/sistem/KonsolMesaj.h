#pragma once
#include "platform/sistem/Mesaj.h"

// Batch mode: every box goes to standard error as "title: text"; a question
// is answered No unless the run was started with --yes.
class KonsolMesaj : public MesajServisi {
public:
    explicit KonsolMesaj(bool evetDe) : evetDe_(evetDe) {}
    void goster(const QString& metin, Simge simge, const QString& baslik) override;
    bool evetMi(const QString& metin, const QString& baslik) override;

private:
    bool evetDe_;
};
