#pragma once
// Key events of a control in the order the windows expect them: KeyDown receives the key
// first (set it to 0 to swallow it), then KeyPress the typed character (set it to 0 to drop
// it, or replace it), and KeyUp the released key. Every handler runs inside Guard.

#include <QObject>
#include <functional>

class QWidget;

class TKeyHandlers : public QObject {
    Q_OBJECT
public:
    explicit TKeyHandlers(QWidget* control);

    std::function<void(int& key, Qt::KeyboardModifiers modifiers)> KeyDown;
    std::function<void(QChar& ch)> KeyPress;
    std::function<void(int key)> KeyUp;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Enter, from the main keyboard or the keypad, as a key code and as a typed character.
inline bool IsEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
inline bool IsEnterChar(QChar ch) {
    return ch == QLatin1Char('\r') || ch == QLatin1Char('\n');
}

// The handlers of a control, made on first use and owned by the control.
TKeyHandlers* KeysOf(QWidget* control);
