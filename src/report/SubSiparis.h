#pragma once
#include "platform/rapor/RaporBelgesi.h"

// The lines of one invoice (AktifFaturaID), laid out under its detail line.
class SubSiparis : public RaporBelgesi {
public:
    SubSiparis();
    static QString sorgu(qint32 faturaId);
    void ActiveReport_ReportStart() override;
    void Detail_Format() override;
};

// A whole quantity prints without the decimal separator its format leaves.
void Virgul_Temizle(const QString& metin, Kontrol& alan, const QString& ondalik = QStringLiteral(","));
