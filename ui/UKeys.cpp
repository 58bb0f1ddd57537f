#include "ui/UKeys.h"

#include "ui/UErrorBox.h"

#include <QKeyEvent>
#include <QLineEdit>

TKeyHandlers::TKeyHandlers(QWidget* control) : QObject(control) {
    setObjectName(QStringLiteral("KeyHandlers"));
    control->installEventFilter(this);
}

bool TKeyHandlers::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (KeyUp && !key->isAutoRepeat())
            Guard([&] { KeyUp(key->key()); });
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (KeyDown) {
        int code = key->key();
        Guard([&] { KeyDown(code, key->modifiers()); });
        if (code == 0)
            return true;
    }
    const QString text = key->text();
    if (!KeyPress || text.size() != 1)
        return false;
    QChar ch = text.at(0);
    Guard([&] { KeyPress(ch); });
    if (ch.isNull())
        return true;
    if (ch != text.at(0)) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !edit->isReadOnly())
            edit->insert(QString(ch));
        return true;
    }
    return false;
}

TKeyHandlers* KeysOf(QWidget* control) {
    auto* hook = control->findChild<TKeyHandlers*>(QStringLiteral("KeyHandlers"),
                                                   Qt::FindDirectChildrenOnly);
    return hook ? hook : new TKeyHandlers(control);
}
