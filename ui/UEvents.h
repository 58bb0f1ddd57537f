#pragma once
// Handlers for events of a control beyond its signals: one kind of event handled after the
// control itself has handled it (so the handler sees the control's new state), and leaving
// a control. Every handler runs inside Guard.

#include <QEvent>
#include <functional>

class QFocusEvent;
class QObject;
class QWidget;

void OnEvent(QObject* target, QEvent::Type type, std::function<void(QEvent*)> handler);

// Leaving a control: the focus moves from it to another control of its window, by the mouse,
// the keyboard or the program. A window losing the activation (a message box coming up, the
// user switching programs) is not a leaving.
bool LeavesControl(const QFocusEvent* event);
void OnExit(QWidget* control, std::function<void()> handler);
