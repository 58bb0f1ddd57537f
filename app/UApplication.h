#pragma once
// The application object: the title, the C library's number locale, and the last guard
// that shows an error escaping an event handler in the application's error box.

#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
