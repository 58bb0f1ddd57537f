#pragma once
// A handler for one kind of event of a widget (a click, a focus loss), run inside Guard after
// the widget itself has handled the event, so that it sees the widget's new state.

#include <QEvent>
#include <functional>

class QObject;

void OnEvent(QObject* target, QEvent::Type type, std::function<void(QEvent*)> handler);
