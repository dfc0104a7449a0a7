#include "startup/SysInf.h"
#include "startup/ProgramSonu.h"
#include "bant/Cp1254.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"

#include <QFile>

namespace {
// A settings line longer than this is no settings line.
constexpr qint64 kEnFazlaBayt = 64 * 1024;

[[noreturn]] void bitir() {
    MsgBox(sysInfHatasi(), Simge::Kritik, QStringLiteral("KARMENA TİCARİ YAZILIM"));
    throw ProgramSonu{1};
}
} // namespace

QString sysInfHatasi() {
    return QStringLiteral("Karmena Bağlantı Ayarlarında Hata Tespit Edildi Lütfen Yönetim Panelinden Bağlantı Ayarlarınızı "
                          "Kontrol Ediniz.");
}

QString Sys_Inf_Yolu(const QString& programDizini) {
    const qsizetype yer = programDizini.indexOf(QLatin1String("Rapor"));
    if (yer <= 0) return {};
    QString klasor = programDizini.left(yer);
    if (klasor.endsWith(u'/') || klasor.endsWith(u'\\')) klasor.chop(1);
    return klasor + QStringLiteral("/sys.inf");
}

QString Sys_Inf_Oku() {
    const QString yol = Sys_Inf_Yolu(sistem().programDizini());
    if (yol.isEmpty()) bitir();
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly)) bitir();
    const QByteArray baytlar = dosya.read(kEnFazlaBayt);
    if (baytlar.isEmpty() || dosya.error() != QFileDevice::NoError) bitir();
    QString satir = Cp1254::dosyaMetni(baytlar);
    const qsizetype son = satir.indexOf(u'\n');
    if (son >= 0) satir.truncate(son);
    if (satir.endsWith(u'\r')) satir.chop(1);
    return satir;
}

SysInfAlanlari Sys_Inf_Coz(const QString& satir) {
    const QStringList alan = satir.split(u';');
    SysInfAlanlari a;
    a.sunucu = alan.value(0);
    a.kullanici = alan.value(1);
    a.sifre = alan.value(2);
    a.sunucuKutusu = !alan.value(3).isEmpty() && Sayi_Degeri(alan.value(3)) == 1.0;
    return a;
}

double Sayi_Degeri(const QString& metin) {
    // Blanks are skipped anywhere, as the suite's scripting does ("1 0" is 10).
    QString s;
    for (QChar c : metin)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r') s += c;
    qsizetype i = 0;
    if (i < s.size() && (s.at(i) == u'+' || s.at(i) == u'-')) ++i;
    while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) ++i;
    if (i < s.size() && s.at(i) == u'.') {
        ++i;
        while (i < s.size() && s.at(i).isDigit() && s.at(i).unicode() < 128) ++i;
    }
    bool tamam = false;
    const double d = s.left(i).toDouble(&tamam);
    return tamam ? d : 0.0;
}
