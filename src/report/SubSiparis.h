#pragma once
#include "bant/RaporBelgesi.h"

#include <memory>

#include "startup/Oturum.h"

// The lines of one invoice, laid out under its detail line.
class SubSiparis : public Bant::RaporBelgesi {
public:
    // Reads the invoice's lines on the main report's connection, printing
    // with its separators and the company's number formats.
    SubSiparis(std::shared_ptr<Baglanti> baglanti, qint32 faturaId, Ayraclar ayraclar, FirmaBilgisi firma);
    static QString sorgu(qint32 faturaId);
    void ActiveReport_ReportStart() override;
    void Detail_Format() override;

private:
    std::shared_ptr<Baglanti> baglanti_;
    qint32 faturaId_;
    Ayraclar ayraclar_;
    FirmaBilgisi firma_;
    Bant::Kontrol* txtMiktar_;
};

// A whole quantity prints without the decimal separator its format leaves.
void Virgul_Temizle(const QString& metin, Bant::Kontrol& alan, const QString& ondalik = QStringLiteral(","));
