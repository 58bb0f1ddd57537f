#include "catalog/UEventHook.h"

#include "ui/UErrorBox.h"

#include <QCoreApplication>
#include <QObject>

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
