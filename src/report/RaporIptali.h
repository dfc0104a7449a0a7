#pragma once
#include <QObject>
#include <functional>

// Whether the user asked to stop the report run under way: Escape pressed in
// any of the program's windows while it lasts (a modal box aside), or the
// caller's own reason (the form closing, the preview closed). The key is
// taken before any window sees it, so Escape in the grid stops the run
// instead of quitting.
class RaporIptali : public QObject {
public:
    explicit RaporIptali(std::function<bool()> ek = {});
    ~RaporIptali() override;
    RaporIptali(const RaporIptali&) = delete;
    RaporIptali& operator=(const RaporIptali&) = delete;

    bool istendi() const { return escape_ || (ek_ && ek_()); }

protected:
    bool eventFilter(QObject* nesne, QEvent* e) override;

private:
    std::function<bool()> ek_;
    bool escape_ = false;
};
