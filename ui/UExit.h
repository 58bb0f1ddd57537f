#pragma once
// Leaving a control: the focus moves from it to another control of its window, by the mouse,
// the keyboard or the program. A window losing the activation (a message box coming up, the
// user switching programs) is not a leaving.

#include <functional>

class QFocusEvent;
class QWidget;

bool LeavesControl(const QFocusEvent* event);

// Runs the handler inside Guard each time the control is left.
void OnExit(QWidget* control, std::function<void()> handler);
