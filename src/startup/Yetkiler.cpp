#include "startup/Yetkiler.h"
#include "startup/Veritabani.h"
#include "platform/veritabani/SqlMetni.h"

namespace {

// The column of the user table that holds the right to this report.
const QString kRaporYetkiAlani = QStringLiteral("BR");

// "IN('a','b')" of the column's values, or empty when the user has no rows.
QString liste(Baglanti& baglanti, const QString& sql, const char* alan) {
    std::shared_ptr<KayitSeti> kayit;
    Kayit_Ac(baglanti, kayit, sql);
    if (kayit->RecordCount() == 0) return {};
    QString s;
    while (!kayit->Eof()) {
        s += u'\'' + tirnakIci(kayit->Fields(QString::fromLatin1(alan)).metin().trimmed()) + QStringLiteral("',");
        kayit->MoveNext();
    }
    s.chop(1);
    return QStringLiteral("IN(") + s + u')';
}

} // namespace

Yetkiler Yetkileri_Oku(Baglanti& baglanti, const FirmaBilgisi& firma, qint32 kullanici) {
    Yetkiler y;
    std::shared_ptr<KayitSeti> kayit;
    Kayit_Ac(baglanti, kayit,
             QStringLiteral("SELECT ") + kRaporYetkiAlani + QStringLiteral(" FROM Defination_DB.dbo.Kullanici WHERE Firma_ID=") +
                 QString::number(firma.sysfrm_ID) + QStringLiteral(" AND Kullanici_ID=") + QString::number(kullanici));
    const Deger hak = kayit->Fields(kRaporYetkiAlani);
    y.RaporYetkisi = !hak.bosMu() && hak.bayrak();
    if (firma.IsyeriYetkiyeBagli && kullanici != 1)
        y.kisitlar.IsyeriListesi = liste(
            baglanti, QStringLiteral("SELECT * FROM KULLANICIISYERI WHERE Kullanici_ID=") + QString::number(kullanici), "Isyeri_Kodu");
    if (firma.AmbarYetkiyeBagli && kullanici != 1)
        y.kisitlar.AmbarListesi =
            liste(baglanti, QStringLiteral("SELECT * FROM KULLANICIAMBAR WHERE Kullanici_ID=") + QString::number(kullanici), "Ambar_No");
    return y;
}
