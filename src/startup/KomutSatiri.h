#pragma once
#include <QString>
#include <QList>
#include <QStringList>

// The two ways to start the program. Classic: the suite's own command line,
// the arguments joined by one blank. Batch: a line that starts with "--":
//   --batch "DB|Server|UserID|SqlUser|Password" [--yes]
struct KomutSatiri {
    enum class Kip { Klasik, Toplu, Yardim, Surum, Hata };

    Kip kip = Kip::Klasik;
    QString parametreler; // the text Parametreleri_Oku splits
    bool evet = false;    // batch: answer every question Yes
    QString hata;         // Kip::Hata: what is wrong with the line

    // Batch: edits of the filter rows, applied in the order given.
    struct Duzenleme {
        enum class Tur { Baslangic, Bitis, Secim, Aktif } tur;
        QString baslik;
        QString deger;
    };
    QString sablon; // --template FILE instead of Master.mtr beside the program
    QList<Duzenleme> duzenlemeler;
    bool sqlYaz = false; // --sql: print the composed statement and stop
    QString pdf;         // --pdf FILE: the report as PDF, no viewer
    QString png;         // --png DIR: one PNG per page
    QString metin;       // --text FILE: the report as text, fixed columns
    // The text options of the "Text'e Yazdır" dialog.
    QString metinAlanAyiraci;        // --text-separator S
    QString metinSayfaAyiraci;       // --text-page-separator S
    bool metinBosSatirGizle = false; // --text-no-empty-lines
    bool metinUtf8 = false;          // --text-utf8
    QString excel;                   // --excel FILE: the report as an Excel 97-2003 workbook
    QString xlsx;                    // --xlsx FILE: the report as an Office Open XML workbook
    QString html;                    // --html FILE: the report as one HTML page
    // --print [PRINTER]: the report on a printer, the default one when none is named.
    bool yazdir = false;
    QString yazici;
    // Whether the run has anything to write or print.
    bool ciktiVar() const {
        return yazdir || !pdf.isEmpty() || !png.isEmpty() || !metin.isEmpty() || !excel.isEmpty() || !xlsx.isEmpty() || !html.isEmpty();
    }
    // The login instead of the five parameters: --user NAME, the password
    // from FATURA_SIFRE or standard input; --company CODE picks the company,
    // without it the user's companies are listed.
    QString kullanici;
    QString firma;
    // --server NAME: the server when sys.inf lets the login choose it.
    QString sunucu;

    static KomutSatiri coz(const QStringList& argumanlar); // without the program's name
    static QString kullanim(const QString& programAdi);
};
