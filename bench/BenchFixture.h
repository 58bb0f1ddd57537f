#pragma once
// A program folder with a fresh "KKAL.mdb" and the data module over it, for benchmarks.

#include "store/UDM.h"

#include <QStringList>
#include <QTemporaryDir>
#include <memory>

class TBenchStore {
public:
    TBenchStore();
    ~TBenchStore();
    // Realistic Russian product names: kinds, sorts and preparations combined.
    static QStringList ProductNames(int count);
    // Inserts products with their "100г" measure into the group, in one transaction.
    void AddProducts(int group, const QStringList& names);
    int AddGroup(const QString& name, int parent, int numTv);

private:
    QTemporaryDir FDir;
    std::unique_ptr<TDM> FModule;
};
