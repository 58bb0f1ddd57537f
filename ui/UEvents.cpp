#include "ui/UEvents.h"

#include "ui/UErrorBox.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QWidget>

namespace {

class TEventHook : public QObject {
public:
    TEventHook(QObject* target, QEvent::Type type, std::function<void(QEvent*)> handler)
        : QObject(target), FType(type), FHandler(std::move(handler)) {
        target->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != FType || FDelivering)
            return false;
        // The event goes its usual way first; the handler follows.
        FDelivering = true;
        QCoreApplication::sendEvent(watched, event);
        FDelivering = false;
        Guard([&] { FHandler(event); });
        return true;
    }

private:
    QEvent::Type FType;
    std::function<void(QEvent*)> FHandler;
    bool FDelivering = false;
};

} // namespace

void OnEvent(QObject* target, QEvent::Type type, std::function<void(QEvent*)> handler) {
    new TEventHook(target, type, std::move(handler));
}

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
    OnEvent(control, QEvent::FocusOut, [handler](QEvent* event) {
        if (LeavesControl(static_cast<const QFocusEvent*>(event)))
            handler();
    });
}
