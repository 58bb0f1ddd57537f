#pragma once
// Typing into a control: key events that carry their text (Cyrillic included).

#include <QString>
#include <Qt>

class QWidget;

void SendKey(QWidget* target, int key, const QString& text = QString(),
             Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void TypeText(QWidget* target, const QString& text);
