#pragma once
#include "TestYardimi.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "startup/Oturum.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// Records every message box and answers questions from a script.
class KayitliMesajlar : public MesajServisi {
public:
    struct Kutu {
        QString metin;
        Simge simge;
        QString baslik;
    };
    QList<Kutu> kutular;
    QList<bool> cevaplar; // answers in order; No when the list runs out
    // Each box also behaves as a modal dialog would: a window takes the focus
    // and a nested event loop runs (deferred deletes included) while it shows.
    bool kipli = false;

    KayitliMesajlar() { mesajServisiniAyarla(this); }
    ~KayitliMesajlar() override {
        if (&mesajServisi() == this) mesajServisiniAyarla(nullptr);
    }
    void goster(const QString& metin, Simge simge, const QString& baslik) override {
        kutular.append({metin, simge, baslik});
        if (kipli) kipliPencere();
    }
    bool evetMi(const QString& metin, const QString& baslik) override {
        kutular.append({metin, Simge::Soru, baslik});
        return cevaplar.isEmpty() ? false : cevaplar.takeFirst();
    }
    static void kipliPencere();
    QStringList metinler() const {
        QStringList l;
        for (const Kutu& k : kutular) l << k.metin;
        return l;
    }
};

// The operating system as the tests want it.
class SahteSistem : public SistemServisi {
public:
    QString ad = QStringLiteral("MUHASEBE-PC");
    int surum = 10;
    bool yenidenBaslatildi = false;
    QStringList baslatilanlar;
    QString pano;
    QString dizin;
    QString programAdi_ = QStringLiteral("Fatura Listesi");

    SahteSistem() { sistemServisiniAyarla(this); }
    ~SahteSistem() override {
        if (&sistem() == this) sistemServisiniAyarla(nullptr);
    }
    QString bilgisayarAdi() const override { return ad; }
    int anaSurum() const override { return surum; }
    void yenidenBaslatIste() override { yenidenBaslatildi = true; }
    bool programBaslat(const QString& yol) override {
        baslatilanlar << yol;
        return true;
    }
    // The desktop's programs by MIME type; what was opened, "program file" or the file alone.
    QHash<QString, QString> varsayilanlar;
    QStringList acilanlar;
    QString varsayilanUygulama(const QString& mime) const override { return varsayilanlar.value(mime); }
    bool dosyayiAc(const QString& dosya) override {
        acilanlar << dosya;
        return true;
    }
    bool programCalistir(const QString& yol, const QStringList& argumanlar) override {
        acilanlar << (QStringList{yol} + argumanlar).join(u' ');
        return true;
    }
    QString programBul(const QString&) const override { return {}; }
    void panoyaKoy(const QString& metin) override { pano = metin; }
    QString panodan() const override { return pano; }
    QString programDizini() const override { return dizin; }
    QString programAdi() const override { return programAdi_; }
};

// A throw-away embedded server folder holding a small demo company.
class GeciciSunucu {
public:
    explicit GeciciSunucu(int faturaSayisi = 40);
    QString klasor() const { return dir_.path(); }
    QString dosya(const QString& veritabani) const;
    // Runs statements on one of its databases, opened for writing.
    void calistir(const QString& veritabani, const QString& sql) const;

private:
    QTemporaryDir dir_;
};

// Sets the regional settings as the program wants them, or as given.
void bolgeselAyarla(const QString& ondalik = QStringLiteral(","), const QString& binlik = QStringLiteral("."),
                    const QString& ayirac = QStringLiteral("."), const QString& kisaTarih = QStringLiteral("dd.MM.yyyy"));

// A session on the server's demo company with the Turkish separators, as
// start-up makes it for the administrator (no restrictions).
std::shared_ptr<Oturum> demoOturumu(const GeciciSunucu& sunucu);

class IzgaraModeli;
// A filter grid holding the given template filter lines (empty lines give empty rows).
void filtreSatirlari(IzgaraModeli& grid, const QStringList& satirlar);

class QJsonObject;
// One of tests/veri's independent readers (`betik`, a Python file there): its
// JSON, or in `hata` what went wrong.
QJsonObject veriOkuyucusu(const char* betik, const QStringList& argumanlar, QString& hata);
