#include "startup/Gezinti.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

namespace {

// Selection start as the text box reports it: the start of the selection,
// else the caret.
int secimBasi(const QLineEdit* kutu) { return kutu->hasSelectedText() ? kutu->selectionStart() : kutu->cursorPosition(); }

QWidget* bul(QWidget* pencere, const QString& ad, int indeks) {
    const auto kontroller = pencere->findChildren<QWidget*>();
    for (QWidget* k : kontroller) {
        if (k->objectName().compare(ad, Qt::CaseInsensitive) != 0) continue;
        if (indeks >= 0) {
            const QVariant i = k->property("Index");
            if (!i.isValid() || i.toInt() != indeks) continue;
        }
        return k;
    }
    return nullptr;
}

} // namespace

void Tusla_Gezin(QWidget* pencere, int tusKodu, QWidget* kontrol, bool metinKutusu) {
    if (!pencere || !kontrol) return;
    const auto* kutu = qobject_cast<const QLineEdit*>(kontrol);
    int alan = 0;
    switch (tusKodu) {
    case TusKodu::Enter:
    case TusKodu::Asagi: alan = 4; break;
    case TusKodu::Yukari: alan = 2; break;
    case TusKodu::Sol:
        if (metinKutusu && kutu && secimBasi(kutu) != 0) return;
        alan = 1;
        break;
    case TusKodu::Sag:
        if (metinKutusu && kutu && secimBasi(kutu) != kutu->text().size()) return;
        alan = 3;
        break;
    default: return;
    }
    const QString etiket = kontrol->property("Tag").toString();
    const QStringList alanlar = etiket.split(u';');
    // Field 4 is everything after the third separator.
    const QString secili = alan < 4 ? alanlar.value(alan - 1) : alanlar.mid(3).join(u';');

    static const QRegularExpression dizili(QStringLiteral(R"(^(.*)\((\d+)\)$)"));
    for (const QString& aday : secili.split(u'|')) {
        QString ad = aday;
        int indeks = -1;
        const auto m = dizili.match(aday);
        if (m.hasMatch()) {
            ad = m.captured(1);
            indeks = m.captured(2).toInt();
        }
        QWidget* hedef = bul(pencere, ad, indeks);
        if (!hedef) return;
        if (hedef->isEnabled() && hedef->isVisibleTo(pencere)) {
            hedef->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void Metni_Sec(QLineEdit* kutu) {
    if (!kutu) return;
    kutu->setCursorPosition(0);
    kutu->setSelection(0, static_cast<int>(kutu->text().size()));
}
