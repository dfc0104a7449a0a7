#include "platform/sistem/GuiMesaj.h"

#include <QApplication>
#include <QAbstractButton>
#include <QMessageBox>

namespace {
QMessageBox::Icon simgesi(Simge s) {
    switch (s) {
    case Simge::Kritik: return QMessageBox::Critical;
    case Simge::Bilgi: return QMessageBox::Information;
    case Simge::Soru: return QMessageBox::Question;
    case Simge::Yok: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

void GuiMesaj::goster(const QString& metin, Simge simge, const QString& baslik) {
    QMessageBox kutu(simgesi(simge), baslik, metin, QMessageBox::Ok, QApplication::activeWindow());
    kutu.exec();
}

bool GuiMesaj::evetMi(const QString& metin, const QString& baslik) {
    QMessageBox kutu(QMessageBox::Question, baslik, metin, QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    kutu.button(QMessageBox::Yes)->setText(QStringLiteral("Evet"));
    kutu.button(QMessageBox::No)->setText(QStringLiteral("Hayır"));
    return kutu.exec() == QMessageBox::Yes;
}
