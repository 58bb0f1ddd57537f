#include "tests/common/TestApp.h"

#include "app/UStartup.h"
#include "platform/UProgramFolder.h"
#include "ration/URacion.h"
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

namespace {
int LastId() {
    return ScalarSql(QStringLiteral("SELECT last_insert_rowid()")).toInt();
}
} // namespace

int AddGroup(const QString& name, int parent, int numTv) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("INSERT INTO tab_grup(naim_grup,num_tv,id_parent) VALUES(:n,:t,:p)"));
    q.SetParam(QStringLiteral("n"), name);
    q.SetParam(QStringLiteral("t"), numTv);
    q.SetParam(QStringLiteral("p"), parent);
    q.ExecSQL();
    return LastId();
}

int AddProduct(const QString& name, int group, double kkal, double bel, double zir, double ugl) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                            "VALUES(:n,:k,:b,:z,:u,:g)"));
    q.SetParam(QStringLiteral("n"), name);
    q.SetParam(QStringLiteral("k"), kkal);
    q.SetParam(QStringLiteral("b"), bel);
    q.SetParam(QStringLiteral("z"), zir);
    q.SetParam(QStringLiteral("u"), ugl);
    q.SetParam(QStringLiteral("g"), group);
    q.ExecSQL();
    return LastId();
}

int AddMeasure(int product, const QString& name, int grams, double kkal) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) "
                            "VALUES(:p,:n,:g,:k)"));
    q.SetParam(QStringLiteral("p"), product);
    q.SetParam(QStringLiteral("n"), name);
    q.SetParam(QStringLiteral("g"), grams);
    q.SetParam(QStringLiteral("k"), kkal);
    q.ExecSQL();
    return LastId();
}
