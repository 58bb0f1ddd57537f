#include "app/UApplication.h"

#include "ui/UErrorBox.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // Numbers are formatted by our own rules only; the C library must keep writing points.
    std::setlocale(LC_NUMERIC, "C");
    // The toolkit's own texts (file dialogs, message box buttons) in Russian, like ours.
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    Guard([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
