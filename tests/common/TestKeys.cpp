#include "tests/common/TestKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void SendKey(QWidget* target, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

void TypeText(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        int key = Qt::Key_unknown;
        if (c.isDigit())
            key = Qt::Key_0 + c.digitValue();
        else if (c == QLatin1Char('.'))
            key = Qt::Key_Period;
        else if (c == QLatin1Char(','))
            key = Qt::Key_Comma;
        else if (c.unicode() < 128 && c.isLetter())
            key = Qt::Key_A + (c.toUpper().unicode() - 'A');
        SendKey(target, key, QString(c));
    }
}
