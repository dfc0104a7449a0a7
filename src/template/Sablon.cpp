#include "template/Sablon.h"
#include "template/FiltreSatiri.h"
#include "platform/izgara/IzgaraModeli.h"
#include "bant/Cp1254.h"
#include "platform/sistem/Sistem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace SablonMesaji {
QString temelSql() { return QStringLiteral("Temel SQL Deyimi Alınırken Bir Hata Oluştu. Dosya Bozulmuş Yada Dosya Yapısı İle Oynanmış"); }
QString filtre() {
    return QStringLiteral("Filtreler Düzenlenirken bir Hata Oluştu Raporun Master Dosyası Bozulmuş. Lütfen Program Satıcınızla Görüşün.");
}
} // namespace SablonMesaji

namespace {

constexpr qint64 kEnBuyukSablon = 16 * 1024 * 1024;

// Lines end at CR LF or a lone CR, as the suite writes them; a lone LF ends
// one too, for templates edited on this system.
class SatirOkuyucu {
public:
    explicit SatirOkuyucu(QString metin) : metin_(std::move(metin)) {}
    bool oku(QString& satir) {
        if (konum_ >= metin_.size()) return false;
        qsizetype son = konum_;
        while (son < metin_.size() && metin_.at(son) != u'\r' && metin_.at(son) != u'\n') ++son;
        satir = metin_.mid(konum_, son - konum_);
        konum_ = son;
        if (konum_ < metin_.size() && metin_.at(konum_) == u'\r') ++konum_;
        if (konum_ < metin_.size() && metin_.at(konum_) == u'\n') ++konum_;
        return true;
    }

private:
    QString metin_;
    qsizetype konum_ = 0;
};

} // namespace

QString Master_Yolu() { return QDir(sistem().programDizini()).filePath(QStringLiteral("Master.mtr")); }

QString Sablon_Metni(const QByteArray& baytlar) { return Cp1254::dosyaMetni(baytlar); }

QString Bosluk_Kirp(const QString& metin) {
    qsizetype bas = 0, son = metin.size();
    while (bas < son && metin.at(bas) == u' ') ++bas;
    while (son > bas && metin.at(son - 1) == u' ') --son;
    return metin.mid(bas, son - bas);
}

bool Filtreye_Ekle(IzgaraModeli& grid, const QString& satir) {
    const std::optional<FiltreSatiri> deger = Filtre_Satiri_Ayir(satir);
    if (!deger) return false;
    const int hedef = grid.satirSayisi();
    grid.satirSayisiAyarla(hedef + 1);
    Filtre_Satiri_Yaz(grid, hedef, *deger);
    return true;
}

QString Master_Oku(IzgaraModeli& grid, SablonSql& sql, const QString& yol) {
    // A device, a pipe or a folder would never end or give no template; a
    // file beyond any template's size is no template either.
    const QFileInfo bilgi(yol);
    if (!bilgi.isFile() || bilgi.size() > kEnBuyukSablon) return SablonMesaji::temelSql();
    QFile dosya(yol);
    if (!dosya.open(QIODevice::ReadOnly)) return SablonMesaji::temelSql();
    return Sablon_Coz(grid, sql, dosya.readAll());
}

QString Sablon_Coz(IzgaraModeli& grid, SablonSql& d, const QByteArray& baytlar) {
    SatirOkuyucu okuyucu(Sablon_Metni(baytlar));

    QString mesaj;
    QString satir;
    if (!okuyucu.oku(satir)) return SablonMesaji::temelSql();
    if (satir != QLatin1String("<TEMELSQL>")) mesaj = SablonMesaji::temelSql();

    d.TemelSQL.clear();
    for (;;) {
        if (!okuyucu.oku(satir)) return SablonMesaji::temelSql();
        if (satir == QLatin1String("<GROUPSQL>")) break;
        d.TemelSQL += satir;
    }
    d.GroupSQL.clear();
    for (;;) {
        if (!okuyucu.oku(satir)) return SablonMesaji::temelSql();
        if (satir == QLatin1String("<FILTRE>")) break;
        d.GroupSQL += satir;
    }
    for (;;) {
        if (!okuyucu.oku(satir)) return SablonMesaji::filtre();
        if (satir == QLatin1String("<END>")) return mesaj;
        if (!Filtreye_Ekle(grid, Bosluk_Kirp(satir))) return SablonMesaji::filtre();
    }
}
