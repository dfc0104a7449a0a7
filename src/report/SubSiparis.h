#pragma once
#include "platform/rapor/RaporBelgesi.h"

#include <memory>

class Baglanti;

// The lines of one invoice (AktifFaturaID), laid out under its detail line.
class SubSiparis : public Bant::RaporBelgesi {
public:
    // Reads on the main report's connection.
    explicit SubSiparis(std::shared_ptr<Baglanti> baglanti);
    static QString sorgu(qint32 faturaId);
    void ActiveReport_ReportStart() override;
    void Detail_Format() override;

private:
    std::shared_ptr<Baglanti> baglanti_;
    Bant::Kontrol* txtMiktar_;
};

// A whole quantity prints without the decimal separator its format leaves.
void Virgul_Temizle(const QString& metin, Bant::Kontrol& alan, const QString& ondalik = QStringLiteral(","));
