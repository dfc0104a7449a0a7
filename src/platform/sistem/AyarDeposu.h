#pragma once
#include <QString>
#include <optional>

// The settings store: the registry on Windows; elsewhere one INI file per
// root hive in the user's configuration folder ($XDG_CONFIG_HOME honoured),
// "<config>/<program name>/<HIVE>.ini". Key paths use "\" as the registry does.
namespace AyarDeposu {

enum class Kok { HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER };

// The stored text, or nothing when the key or value is missing. Values of
// "HKEY_CURRENT_USER\Control Panel\International" not yet stored mirror the
// system's locale, as the system's own settings would.
std::optional<QString> oku(Kok kok, const QString& anahtar, const QString& ad);
void yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& deger);

QString dosyaYolu(Kok kok);

} // namespace AyarDeposu
