#include "app/Uygulama.h"
#include "startup/ProgramSonu.h"

bool Uygulama::notify(QObject* alici, QEvent* olay) {
    try {
        return QApplication::notify(alici, olay);
    } catch (const ProgramSonu& son) {
        sonDurum_ = son.durum;
        exit(son.durum);
        return true;
    }
}

int Uygulama::calistir() {
    sonDurum_ = -1;
    try {
        const int durum = exec();
        return sonDurum_ >= 0 ? sonDurum_ : durum;
    } catch (const ProgramSonu& son) { return son.durum; }
}
