#pragma once
// A program folder of its own with a fresh "KKAL.mdb" and a data module over it, for
// benchmarks; DM points at it while a TUseStore of it lives.

#include "store/UDM.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TBenchStore {
public:
    TBenchStore();
    // Realistic Russian product names: kinds, sorts and preparations combined.
    static QStringList ProductNames(int count);
    // Inserts products, each with its "100г" measure, into the group in one transaction.
    void AddProducts(int group, const QStringList& names);
    int AddGroup(const QString& name, int parent, int numTv);
    TDM* Module() const { return FModule.get(); }

private:
    QTemporaryDir FDir;
    std::unique_ptr<TDM> FModule;
};

class TUseStore {
public:
    explicit TUseStore(const TBenchStore& store) : FPrevious(DM) { DM = store.Module(); }
    TUseStore(const TUseStore&) = delete;
    TUseStore& operator=(const TUseStore&) = delete;
    ~TUseStore() { DM = FPrevious; }

private:
    TDM* FPrevious;
};
