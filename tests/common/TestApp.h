#pragma once
// A program folder of its own for a test: a temporary folder as the executable's, with a
// "KKAL.mdb" (empty, or the ready one the build wrote), the scripted desktop, and, for window
// tests, every window created as at start-up.

#include "tests/common/TestSeams.h"

#include <QLocale>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

class TApplicationForms;
class TDM;

enum class TStoreKind { Empty, Starter, None };

// Switches the number locale for the lifetime of the object.
class TLocaleScope {
public:
    explicit TLocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~TLocaleScope() { QLocale::setDefault(QLocale::c()); }
    static QLocale Comma() { return QLocale(QLocale::Russian, QLocale::Russia); }
    static QLocale Point() { return QLocale(QLocale::English, QLocale::UnitedStates); }
};

class TTestFolder {
public:
    explicit TTestFolder(TStoreKind kind = TStoreKind::Empty);
    ~TTestFolder();
    // The program folder, with its trailing separator.
    QString Folder() const;
    QString DatabasePath() const { return Folder() + QStringLiteral("KKAL.mdb"); }

private:
    QTemporaryDir FDir;
};

// The data module alone, over a test folder.
class TTestStore {
public:
    explicit TTestStore(TStoreKind kind = TStoreKind::Empty);
    ~TTestStore();
    TTestFolder Folder;
    std::unique_ptr<TDM> Module;
};

// Every window and the data module, created as the program creates them.
class TTestApp {
public:
    explicit TTestApp(TStoreKind kind = TStoreKind::Empty, QSize screen = QSize(1280, 1024));
    ~TTestApp();
    TScriptedSeams Seams;
    TTestFolder Folder;
    TLocaleScope Locale{TLocaleScope::Comma()};
    std::unique_ptr<TApplicationForms> Forms;
};

// Direct access to the open store of DM, for arranging and checking rows.
void ExecSql(const QString& sql);
QVariant ScalarSql(const QString& sql);
int CountSql(const QString& sql);
int AddGroup(const QString& name, int parent, int numTv);
int AddProduct(const QString& name, int group, double kkal, double bel = 0, double zir = 0,
               double ugl = 0);
int AddMeasure(int product, const QString& name, int grams, double kkal);
