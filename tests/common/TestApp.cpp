#include "tests/common/TestApp.h"

#include "app/UStartup.h"
#include "platform/UProgramFolder.h"
#include "ration/URacion.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "store/UStoreFile.h"

#include <QFile>
#include <QTest>

TTestFolder::TTestFolder(TStoreKind kind) {
    OverrideProgramFilePath(FDir.path() + QStringLiteral("/edomer"));
    if (kind == TStoreKind::Empty)
        CreateStoreFile(DatabasePath());
    else if (kind == TStoreKind::Starter)
        QFile::copy(QStringLiteral(EDOMER_BIN_DIR "/KKAL.mdb"), DatabasePath());
    QFile::setPermissions(DatabasePath(), QFile::ReadOwner | QFile::WriteOwner);
}

TTestFolder::~TTestFolder() {
    OverrideProgramFilePath(QString());
}

QString TTestFolder::Folder() const {
    return FDir.path() + QLatin1Char('/');
}

TTestStore::TTestStore(TStoreKind kind) : Folder(kind), Module(std::make_unique<TDM>()) {
    DM = Module.get();
}

TTestStore::~TTestStore() {
    DM = nullptr;
    ArraySave.clear();
}

TTestApp::TTestApp(TStoreKind kind, QSize screen) : Folder(kind) {
    Seams.Screen = screen;
    Forms = std::make_unique<TApplicationForms>(false);
}

TTestApp::~TTestApp() {
    Forms.reset();
    ArraySave.clear();
}

void ExecSql(const QString& sql) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(sql);
    q.ExecSQL();
}

QVariant ScalarSql(const QString& sql) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(sql);
    q.Open();
    return q.Fields(0).Value();
}

int CountSql(const QString& sql) {
    return ScalarSql(sql).toInt();
}

int AddGroup(const QString& name, int parent, int numTv) {
    TQuery q(DM->ADOTrans, {});
    return InsertGroup(q, name, numTv, parent);
}

int AddProduct(const QString& name, int group, double kkal, double bel, double zir, double ugl) {
    return InsertProduct(DM->ADOTrans, name, group, kkal, bel, zir, ugl);
}

int AddMeasure(int product, const QString& name, int grams, double kkal) {
    TQuery q(DM->ADOTrans, {});
    return InsertMeasure(q, product, name, grams, kkal);
}
