#include "startup/Yetkiler.h"
#include "startup/Degiskenler.h"
#include "startup/Veritabani.h"
#include "platform/veritabani/SqlMetni.h"

namespace {

// "IN('a','b')" of the column's values, or empty when the user has no rows.
QString liste(const QString& sql, const char* sutun) {
    Degiskenler& d = degiskenler();
    Kayit_Ac(d.OrtakKayit, sql);
    if (d.OrtakKayit->RecordCount() == 0) return {};
    QString s;
    while (!d.OrtakKayit->Eof()) {
        s += u'\'' + tirnakIci(d.OrtakKayit->Fields(QString::fromLatin1(sutun)).metin().trimmed()) + QStringLiteral("',");
        d.OrtakKayit->MoveNext();
    }
    s.chop(1);
    return QStringLiteral("IN(") + s + u')';
}

} // namespace

void Yetkileri_Oku() {
    Degiskenler& d = degiskenler();
    Kayit_Ac(d.OrtakKayit, QStringLiteral("SELECT ") + d.RaporYetkiAlani +
                               QStringLiteral(" FROM Defination_DB.dbo.Kullanici WHERE Firma_ID=") + QString::number(d.sysfrm_ID) +
                               QStringLiteral(" AND Kullanici_ID=") + QString::number(d.Kullanici_ID));
    const Deger hak = d.OrtakKayit->Fields(d.RaporYetkiAlani);
    d.RaporYetkisi = !hak.bosMu() && hak.bayrak();

    d.IsyeriListesi.clear();
    d.AmbarListesi.clear();
    if (d.IsyeriYetkiyeBagli && d.Kullanici_ID != 1)
        d.IsyeriListesi =
            liste(QStringLiteral("SELECT * FROM KULLANICIISYERI WHERE Kullanici_ID=") + QString::number(d.Kullanici_ID), "Isyeri_Kodu");
    if (d.AmbarYetkiyeBagli && d.Kullanici_ID != 1)
        d.AmbarListesi =
            liste(QStringLiteral("SELECT * FROM KULLANICIAMBAR WHERE Kullanici_ID=") + QString::number(d.Kullanici_ID), "Ambar_No");
}
