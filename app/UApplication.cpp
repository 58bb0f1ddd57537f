#include "app/UApplication.h"

#include "ui/UErrorBox.h"

#include <clocale>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Numbers are formatted by our own rules only; the C library must keep writing points.
    std::setlocale(LC_NUMERIC, "C");
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
