#include "platform/sistem/AyarDeposu.h"
#include "platform/sistem/Mesaj.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace AyarDeposu {
namespace {

QString kokAdi(Kok k) { return k == Kok::HKEY_LOCAL_MACHINE ? QStringLiteral("HKEY_LOCAL_MACHINE") : QStringLiteral("HKEY_CURRENT_USER"); }

std::unique_ptr<QSettings> ayarlar(Kok kok) {
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(kokAdi(kok), QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(dosyaYolu(kok), QSettings::IniFormat);
#endif
}

QString tamAd(const QString& anahtar, const QString& ad) {
    QString yol = anahtar;
    yol.replace(u'\\', u'/');
    while (yol.endsWith(u'/')) yol.chop(1);
    return yol.isEmpty() ? ad : yol + u'/' + ad;
}

// The system's own answer for a regional value nobody has stored yet.
std::optional<QString> bolgeselVarsayilan(const QString& ad) {
    const QLocale yerel = QLocale::system();
    const QString kisa = yerel.dateFormat(QLocale::ShortFormat);
    if (ad == QLatin1String("sDecimal")) return yerel.decimalPoint();
    if (ad == QLatin1String("sThousand")) return yerel.groupSeparator();
    if (ad == QLatin1String("sShortDate")) return kisa;
    if (ad == QLatin1String("sDate")) {
        for (QChar c : kisa)
            if (!c.isLetter()) return QString(c);
        return QString();
    }
    return std::nullopt;
}

} // namespace

QString dosyaYolu(Kok kok) {
    const QString klasor = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + programBasligi();
    return klasor + u'/' + kokAdi(kok) + QStringLiteral(".ini");
}

std::optional<QString> oku(Kok kok, const QString& anahtar, const QString& ad) {
    const auto a = ayarlar(kok);
    const QString tam = tamAd(anahtar, ad);
    if (a->contains(tam)) {
        const QVariant v = a->value(tam);
        if (v.typeId() == QMetaType::QStringList) return std::nullopt; // not a string value
        return v.toString();
    }
    if (kok == Kok::HKEY_CURRENT_USER && anahtar.compare(QLatin1String("Control Panel\\International"), Qt::CaseInsensitive) == 0)
        return bolgeselVarsayilan(ad);
    return std::nullopt;
}

void yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& deger) {
#ifndef Q_OS_WIN
    QDir().mkpath(QFileInfo(dosyaYolu(kok)).absolutePath());
#endif
    const auto a = ayarlar(kok);
    a->setValue(tamAd(anahtar, ad), deger);
    a->sync();
}

} // namespace AyarDeposu
