#include "bench/BenchFixture.h"

#include "platform/UProgramFolder.h"
#include "store/UCatalogRows.h"
#include "store/UStoreFile.h"

TBenchStore::TBenchStore() {
    OverrideProgramFilePath(FDir.path() + QStringLiteral("/edomer"));
    CreateStoreFile(FDir.path() + QStringLiteral("/KKAL.mdb"));
    FModule = std::make_unique<TDM>();
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
    TConnection& conn = FModule->ADOTrans;
    TTransaction transaction(conn);
    TQuery q(conn, {});
    for (const QString& name : names)
        InsertMeasure(q, InsertProduct(conn, name, group, 120.5, 5.5, 4.5, 15.5),
                      QStringLiteral("100г"), 100, 120.5);
    transaction.Commit();
}

int TBenchStore::AddGroup(const QString& name, int parent, int numTv) {
    TQuery q(FModule->ADOTrans, {});
    return InsertGroup(q, name, numTv, parent);
}
