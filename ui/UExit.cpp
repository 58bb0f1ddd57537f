#include "ui/UExit.h"

#include "ui/UErrorBox.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

class TExitHandler : public QObject {
public:
    TExitHandler(QWidget* control, std::function<void()> handler)
        : QObject(control), FHandler(std::move(handler)) {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut &&
            LeavesControl(static_cast<const QFocusEvent*>(event)))
            Guard(FHandler);
        return false;
    }

private:
    std::function<void()> FHandler;
};

} // namespace

bool LeavesControl(const QFocusEvent* event) {
    switch (event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::NoFocusReason:
        return false;
    default:
        return true;
    }
}

void OnExit(QWidget* control, std::function<void()> handler) {
    new TExitHandler(control, std::move(handler));
}
