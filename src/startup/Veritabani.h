#pragma once
#include "platform/veritabani/Baglanti.h"
#include "platform/veritabani/KayitSeti.h"

#include <QString>
#include <functional>
#include <memory>

// The connection strings the program opens its connection with, SQL login
// first, then integrated security.
QString SqlGirisCumlesi(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server);
QString EntegreGirisCumlesi(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server);

// Opens the connection with the SQL login, falling back silently to
// integrated security. An error of the second attempt reaches the caller.
std::shared_ptr<Baglanti> Baglan(const QString& kullanici, const QString& sifre, const QString& veriTabani, const QString& server);

// Opens the record set (created when null) on the statement. On failure it
// shows the error and the statement, leaves the statement on the clipboard
// and returns with the set closed.
void Kayit_Ac(Baglanti& baglanti, std::shared_ptr<KayitSeti>& kayit, const QString& sql);

// Runs the statement and gives each row to `satir` as it comes, keeping
// none; `satir` returns false to stop early. A failure is shown as Kayit_Ac
// shows it, with `gosterilen` (or the statement) as the statement, and then
// reaches the caller.
void Kayitlari_Dolas(Baglanti& baglanti, const QString& sql, const std::function<bool(const Imlec&, const QList<Deger>&)>& satir,
                     const QString& gosterilen = {});
