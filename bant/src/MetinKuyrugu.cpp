#include "bant/MetinKuyrugu.h"

#include <QDir>

namespace Bant {

MetinKuyrugu::MetinKuyrugu() : dosya_(QDir::temp().filePath(QStringLiteral("fatura-metin-XXXXXX"))) {
    hazir_ = dosya_.open();
    akis_.setDevice(&dosya_);
}

void MetinKuyrugu::sayfa(Sayfa&& s) {
    if (!hazir_) return;
    akis_ << Metin_Sayfasi(s);
    ++sayfalar_;
    hazir_ = akis_.status() == QDataStream::Ok;
}

bool MetinKuyrugu::yaz(MetinDosyasi& yazici) {
    if (!hazir_ || !dosya_.flush() || !dosya_.seek(0)) return false;
    QDataStream okunan(&dosya_);
    MetinSayfasi s;
    for (int i = 0; i < sayfalar_; ++i) {
        okunan >> s;
        if (okunan.status() != QDataStream::Ok) return false;
        yazici.yaz(s);
    }
    return true;
}

} // namespace Bant
