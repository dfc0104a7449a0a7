#pragma once
#include "bant/RaporBelgesi.h"
#include "report/RaporGirdisi.h"

#include <QElapsedTimer>
#include <memory>

// The invoice list: page header with company, title, date and workplaces;
// optional group header and footer with count and net total; one detail
// line per invoice with its optional description and invoice lines; page
// footer with the running count and total; grand total.
class AnaRapor : public Bant::RaporBelgesi {
public:
    explicit AnaRapor(RaporGirdisi girdi);
    ~AnaRapor() override;

    // State of the instance; each run starts it cleared.
    bool VeriBitti = false;
    float AraToplam = 0.0f;
    qint32 AraKayitSayisi = 0;

    void ActiveReport_ReportStart() override;
    void ActiveReport_FetchData(bool veriBitti) override;
    void PageHeader_Format() override;
    void Detail_Format() override;
    void Detail_BeforePrint() override;
    void GroupFooter1_Format() override;
    void PageFooter_Format() override;

    // The title: the program file's name in Turkish upper case.
    static QString baslik();
    // The regional separators and the short date form the report prints with.
    static Bant::DegerBicimi degerBicimi(const Ayraclar& ayraclar);

private:
    struct Kontroller;
    void sayfaAltligiGoster(bool goster);

    RaporGirdisi girdi_;
    std::unique_ptr<Kontroller> k_;
    std::shared_ptr<Baglanti> baglanti_;
    QString uzunTarihBicimi_; // the regional long date pattern, read once per run
    QElapsedTimer pompa_;     // since the event loop last ran
    static constexpr qint64 kPompaAraligiMs = 40;
};
