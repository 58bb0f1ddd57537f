#include "ui/UErrorBox.h"

#include "ui/USeams.h"

#include <QApplication>

void ShowErrorBox(const QString& message) {
    Seams().ShowMessageBox(QApplication::activeWindow(), QApplication::applicationName(), message,
                           QMessageBox::Critical);
}
