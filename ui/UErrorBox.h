#pragma once
// The application's error box, and the guard that every handler runs in: an error of the
// store, of a number conversion or of the platform ends the current user action, is shown,
// and the program carries on.

#include <QObject>
#include <QString>
#include <exception>
#include <utility>

void ShowErrorBox(const QString& message);

template <class F> void Guard(F&& handler) {
    try {
        std::forward<F>(handler)();
    } catch (const std::exception& error) {
        ShowErrorBox(QString::fromUtf8(error.what()));
    }
}

// Connects a signal to a handler that runs inside Guard; the signal's arguments are dropped.
template <class Sender, class Signal, class F>
QMetaObject::Connection Connect(Sender* sender, Signal signal, QObject* context, F handler) {
    return QObject::connect(sender, signal, context, [handler]() { Guard(handler); });
}
