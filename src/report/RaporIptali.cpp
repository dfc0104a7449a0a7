#include "report/RaporIptali.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

RaporIptali::RaporIptali(std::function<bool()> ek) : ek_(std::move(ek)) {
    if (qApp) qApp->installEventFilter(this);
}

RaporIptali::~RaporIptali() {
    if (qApp) qApp->removeEventFilter(this);
}

bool RaporIptali::eventFilter(QObject* nesne, QEvent* e) {
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
    if (static_cast<QKeyEvent*>(e)->key() != Qt::Key_Escape) return false;
    // A box the run raised keeps its own Escape.
    const QWidget* kipli = QApplication::activeModalWidget();
    const auto* w = qobject_cast<QWidget*>(nesne);
    if (kipli && w && kipli->isAncestorOf(w)) return false;
    if (kipli && w == kipli) return false;
    // Claiming the override keeps Escape from any shortcut; the press itself cancels.
    e->accept();
    if (e->type() == QEvent::KeyPress) escape_ = true;
    return true;
}
