#include "bench/BenchFixture.h"

#include "platform/UProgramFolder.h"
#include "store/UStoreFile.h"

TBenchStore::TBenchStore() {
    OverrideProgramFilePath(FDir.path() + QStringLiteral("/edomer"));
    CreateStoreFile(FDir.path() + QStringLiteral("/KKAL.mdb"));
    FModule = std::make_unique<TDM>();
    DM = FModule.get();
}

TBenchStore::~TBenchStore() {
    DM = nullptr;
    FModule.reset();
    OverrideProgramFilePath(QString());
}

QStringList TBenchStore::ProductNames(int count) {
    static const QStringList kinds = {
        QStringLiteral("Молоко"),    QStringLiteral("Кефир"),    QStringLiteral("Сыр"),
        QStringLiteral("Творог"),    QStringLiteral("Хлеб"),     QStringLiteral("Булка"),
        QStringLiteral("Гречка"),    QStringLiteral("Рис"),      QStringLiteral("Овсянка"),
        QStringLiteral("Курица"),    QStringLiteral("Говядина"), QStringLiteral("Свинина"),
        QStringLiteral("Треска"),    QStringLiteral("Сёмга"),    QStringLiteral("Яблоко"),
        QStringLiteral("Груша"),     QStringLiteral("Морковь"),  QStringLiteral("Капуста"),
        QStringLiteral("Картофель"), QStringLiteral("Печенье")};
    static const QStringList sorts = {QStringLiteral("домашний"),     QStringLiteral("отборный"),
                                      QStringLiteral("фермерский"),   QStringLiteral("деревенский"),
                                      QStringLiteral("классический"), QStringLiteral("лёгкий"),
                                      QStringLiteral("традиционный"), QStringLiteral("молодой"),
                                      QStringLiteral("северный"),     QStringLiteral("южный")};
    static const QStringList ways = {QStringLiteral("сырой"),      QStringLiteral("варёный"),
                                     QStringLiteral("жареный"),    QStringLiteral("тушёный"),
                                     QStringLiteral("запечённый"), QStringLiteral("на пару")};
    QStringList names;
    names.reserve(count);
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1 %2, %3 №%4")
                     .arg(kinds.at(i % kinds.size()), sorts.at((i / 20) % sorts.size()),
                          ways.at((i / 200) % ways.size()))
                     .arg(i);
    return names;
}

void TBenchStore::AddProducts(int group, const QStringList& names) {
    TTransaction transaction(DM->ADOTrans);
    TQuery product(DM->ADOTrans, {});
    product.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                  "VALUES(:n,120.5,5.5,4.5,15.5,:g)"));
    TQuery measure(DM->ADOTrans, {});
    measure.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) "
                                  "VALUES(last_insert_rowid(),\"100г\",100,120.5)"));
    for (const QString& name : names) {
        product.SetParam(QStringLiteral("n"), name);
        product.SetParam(QStringLiteral("g"), group);
        product.ExecSQL();
        measure.ExecSQL();
    }
    transaction.Commit();
}

int TBenchStore::AddGroup(const QString& name, int parent, int numTv) {
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("INSERT INTO tab_grup(naim_grup,num_tv,id_parent) VALUES(:n,:t,:p)"));
    q.SetParam(QStringLiteral("n"), name);
    q.SetParam(QStringLiteral("t"), numTv);
    q.SetParam(QStringLiteral("p"), parent);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
    q.Open();
    return q.Fields(0).AsInteger();
}
