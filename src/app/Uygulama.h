#pragma once
#include <QApplication>

// The application object: a ProgramSonu thrown from a window's handler ends
// the event loop with its status instead of unwinding through Qt.
class Uygulama : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* alici, QEvent* olay) override;
    // Runs the event loop; the status of a ProgramSonu thrown meanwhile, else exec()'s.
    int calistir();

private:
    int sonDurum_ = -1;
};
