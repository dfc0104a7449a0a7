#include "startup/Veritabani.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "bant/VeritabaniHatasi.h"

QString SqlGirisCumlesi(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server) {
    return QStringLiteral("Provider=SQLOLEDB.1;Persist Security Info=False;User ID=") + kullanici + QStringLiteral(";Password=") + sifre +
           QStringLiteral(";Initial Catalog=") + veriTabani + QStringLiteral(";Data Source=") + server;
}

QString EntegreGirisCumlesi(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server) {
    return QStringLiteral("Provider=SQLOLEDB.1;Integrated Security=SSPI;Persist Security Info=False;User ID=") + kullanici.trimmed() +
           QStringLiteral(";Password=") + sifre + QStringLiteral(";Initial Catalog=") + veriTabani + QStringLiteral(";Data Source=") +
           server;
}

std::shared_ptr<Baglanti> Baglan(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server) {
    const QString sql = SqlGirisCumlesi(kullanici, sifre, veriTabani, server);
    // Both attempts together take no longer than one login may.
    const QDeadlineTimer son{std::chrono::seconds(Baglanti::girisZamanAsimi())};
    try {
        return Baglanti::ac(sql, son);
    } catch (const VeritabaniHatasi&) {
        // SQL logins refused or not allowed: try the user's own identity.
        if (son.hasExpired()) throw;
    }
    const QString entegre = EntegreGirisCumlesi(kullanici, sifre, veriTabani, server);
    return Baglanti::ac(entegre, son);
}

namespace {

void hatayiGoster(const VeritabaniHatasi& h, const QString& sql) {
    MsgBox(h.aciklama(), Simge::Kritik);
    MsgBox(sql, Simge::Kritik);
    sistem().panoyaKoy(sql);
}

} // namespace

void Kayitlari_Dolas(Baglanti& baglanti, const QString& sql, const std::function<bool(const Imlec&, const QList<Deger>&)>& satir,
                     const QString& gosterilen) {
    try {
        const std::unique_ptr<Imlec> imlec = baglanti.sorgula(sql);
        QList<Deger> s;
        while (imlec->sonraki(s))
            if (!satir(*imlec, s)) break;
    } catch (const VeritabaniHatasi& h) {
        hatayiGoster(h, gosterilen.isEmpty() ? sql : gosterilen);
        throw;
    }
}

void Kayit_Ac(Baglanti& baglanti, std::shared_ptr<KayitSeti>& kayit, const QString& sql) {
    if (!kayit) kayit = std::make_shared<KayitSeti>();
    try {
        if (kayit->State() == KayitSeti::adStateOpen) kayit->Close();
        kayit->Open(baglanti, sql);
    } catch (const VeritabaniHatasi& h) { hatayiGoster(h, sql); }
}
