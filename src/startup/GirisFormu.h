#pragma once
#include "startup/Oturum.h"

#include <QList>
#include <QString>
#include <memory>

class KayitSeti;

// A company the user may work in, as the login lists it.
struct Firma {
    QString ad;
    QString kod;
    QString veritabani;
};

// The login without any window: the connection settings, the user check
// against Defination_DB, the failed-attempt count and the user's companies.
// The login window LoginFrm shows it; the batch login drives it directly.
class GirisFormu {
public:
    // Loading: sys.inf (an unusable one ends the program), whether the server
    // box shows, the regional settings, the computer name in the server box,
    // the remembered user, Defination_DB as the database to log into.
    void yukle();

    // The window's boxes.
    QString kullaniciAdi = QStringLiteral("karmena");
    QString sifre;
    QString sunucu;
    bool sunucuGorunur = false;
    bool hatirla = false;

    enum class Sonuc {
        Girildi,       // the companies are listed
        Yanlis,        // no such user or a wrong password: counted
        BaglantiHatasi // anything else: shown, not counted
    };
    // One login attempt with the messages of each outcome. The third failed
    // attempt ends the program after its message.
    Sonuc girisDene();
    int denemeSayisi() const { return deneme_; }

    const QList<Firma>& firmalar() const { return firmalar_; }
    // The row's company becomes the one to open; false when there is no such row.
    bool firmaSec(int satir);
    // The login so far: sys.inf's server and SQL login, after a login the
    // user's ID, after the company choice its database.
    const GirisBilgisi& giris() const { return giris_; }

    // The remembered user name and server (settings store, current user).
    void Def_Kullanici_Oku();
    void Def_Kullanici_Kaydet() const;

private:
    int deneme_ = 0;
    GirisBilgisi giris_;
    std::shared_ptr<Baglanti> baglanti_; // to Defination_DB, for the user check and the company list
    std::shared_ptr<KayitSeti> kayit_;   // the user check, then the company list
    QList<Firma> firmalar_;
};

// The statements of the login; typed values are quoted so that they cannot
// end their literal.
QString Kullanici_Sorgusu(const QString& ad, const QString& sifre);
QString Firma_Sorgusu(int kullanici);

namespace GirisMesaji {
QString yanlis();
QString denemeBitti();
QString baglanilamadi();
// The company panel of a user linked to no company.
QString firmaYok();
} // namespace GirisMesaji
