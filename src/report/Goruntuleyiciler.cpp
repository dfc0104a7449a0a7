#include "report/Goruntuleyiciler.h"
#include "startup/Kayit.h"
#include "platform/sistem/Sistem.h"

#include <QFileInfo>

namespace {

QString hklm(const QString& anahtar, const QString& ad) { return Kayit_Oku(Kok::HKEY_LOCAL_MACHINE, anahtar, ad); }

// The suite's paths use backslashes; here they name files of this system.
QString yerel(QString yol) { return yol.replace(u'\\', u'/'); }

} // namespace

Goruntuleyici Excel_Programi(bool xlsx) {
    for (const char* surum : {"10.0", "11.0", "12.0", "13.0", "14.0"}) {
        const QString yol =
            hklm(QStringLiteral("SOFTWARE\\Microsoft\\Office\\%1\\Excel\\InstallRoot").arg(QLatin1String(surum)), QStringLiteral("Path"));
        if (!yol.isEmpty()) return {yerel(yol + QStringLiteral("Excel.Exe")), false};
    }
    const QString tur = xlsx ? QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")
                             : QStringLiteral("application/vnd.ms-excel");
    if (!sistem().varsayilanUygulama(tur).isEmpty()) return {{}, true};
    return {};
}

Goruntuleyici Tarayici(QString& mesaj) {
    const QString programFiles = hklm(QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"), QStringLiteral("ProgramFilesDir"));
    if (!programFiles.isEmpty()) {
        const QString ie = yerel(programFiles + QStringLiteral("\\Internet Explorer\\iexplore.exe"));
        if (QFileInfo::exists(ie)) return {ie, false};
        mesaj = GoruntuleyiciMesaji::tarayiciYok();
        return {};
    }
    if (!sistem().varsayilanUygulama(QStringLiteral("text/html")).isEmpty()) return {{}, true};
    // No Program Files folder in the store and no browser of the desktop.
    mesaj = GoruntuleyiciMesaji::programFilesYok();
    return {};
}

Goruntuleyici Metin_Duzenleyici() {
    if (!sistem().varsayilanUygulama(QStringLiteral("text/plain")).isEmpty()) return {{}, true};
    for (const char* ad : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed", "featherpad", "leafpad", "xedit"}) {
        const QString yol = sistem().programBul(QLatin1String(ad));
        if (!yol.isEmpty()) return {yol, false};
    }
    return {};
}

bool Goruntule(const Goruntuleyici& g, const QString& dosya) {
    if (!g.program.isEmpty()) return sistem().programCalistir(g.program, {dosya});
    return g.masaustu && sistem().dosyayiAc(dosya);
}
