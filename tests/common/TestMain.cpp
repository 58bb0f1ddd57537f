#include "tests/common/TestRegistry.h"

#include "app/UApplication.h"
#include "ui/UForm.h"
#include "ui/USeams.h"

#include <QDialog>
#include <QMetaMethod>
#include <QTest>
#include <cstdio>
#include <exception>
#include <utility>
#include <vector>

namespace {
// Outside a test's scripted seams no window may ask the desktop: that fails the running test.
class TUnscriptedSeams : public TSeams {
public:
    int ShowModal(QDialog* dialog) override {
        QTest::qFail(qPrintable(QStringLiteral("окно без сценария: ") + dialog->objectName()),
                     __FILE__, __LINE__);
        return mrCancel;
    }
    void ShowMessageBox(QWidget*, const QString&, const QString& text, QMessageBox::Icon) override {
        QTest::qFail(qPrintable(QStringLiteral("окно ошибки: ") + text), __FILE__, __LINE__);
    }
};

// An exception that leaves a test ends the executable at once, with its text.
[[noreturn]] void EndOnException() {
    try {
        throw;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Исключение вышло из теста: %s\n", error.what());
    } catch (...) {
        std::fprintf(stderr, "Исключение вышло из теста\n");
    }
    std::fflush(stderr);
    std::_Exit(1);
}

std::vector<std::pair<const char*, TTestFactory>>& Registry() {
    static std::vector<std::pair<const char*, TTestFactory>> tests;
    return tests;
}
} // namespace

int RegisterTest(const char* name, TTestFactory factory) {
    Registry().emplace_back(name, std::move(factory));
    return int(Registry().size());
}

// A class runs when no test functions are named on the command line, or when it has one.
bool Selected(const QObject* test, const QStringList& functions) {
    if (functions.isEmpty())
        return true;
    const QMetaObject* meta = test->metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (functions.contains(QString::fromLatin1(meta->method(i).name())))
            return true;
    return false;
}

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    std::set_terminate(EndOnException);
    TUnscriptedSeams unscripted;
    InstallSeams(&unscripted);
    QStringList functions;
    for (int i = 1; i < argc; ++i)
        if (argv[i][0] != '-' && (i == 1 || argv[i - 1][0] != '-'))
            functions << QString::fromLocal8Bit(argv[i])
                             .section(QLatin1Char(':'), 0, 0)
                             .remove(QStringLiteral("()"));
    int failed = 0;
    for (auto& [name, factory] : Registry()) {
        std::unique_ptr<QObject> test = factory();
        if (Selected(test.get(), functions))
            failed += QTest::qExec(test.get(), argc, argv) != 0 ? 1 : 0;
    }
    return failed == 0 ? 0 : 1;
}
