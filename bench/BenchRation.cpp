// The ration table: one rebuild of a 200-entry ration, with its product and measure look-ups
// through the store, over a catalog of 5,000 products.

#include "bench/BenchFixture.h"
#include "platform/UProgramFolder.h"
#include "ration/URacionTable.h"
#include "store/UStoreFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kProducts = 5000;
constexpr int kEntries = 200;

// A store of its own; DM points at it only while a benchmark of this file runs.
class TRationStore {
public:
    TRationStore() {
        OverrideProgramFilePath(FDir.path() + QStringLiteral("/edomer"));
        CreateStoreFile(FDir.path() + QStringLiteral("/KKAL.mdb"));
        FModule = std::make_unique<TDM>();
        OverrideProgramFilePath(QString());
        TDM* previous = DM;
        DM = FModule.get();
        Fill();
        DM = previous;
    }
    TDM* Module() const { return FModule.get(); }

private:
    static void Fill() {
        TTransaction transaction(DM->ADOTrans);
        TQuery product(DM->ADOTrans, {});
        product.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                      "VALUES(:n,120.5,5.5,4.5,15.5,1)"));
        TQuery measure(DM->ADOTrans, {});
        measure.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) "
                                      "VALUES(last_insert_rowid(),\"стакан\",200,241)"));
        for (const QString& name : TBenchStore::ProductNames(kProducts)) {
            product.SetParam(QStringLiteral("n"), name);
            product.ExecSQL();
            measure.ExecSQL();
        }
        transaction.Commit();
    }

    QTemporaryDir FDir;
    std::unique_ptr<TDM> FModule;
};

// Twenty meals of ten entries, every other one in portions of the product's measure.
TArraySave Ration() {
    TArraySave ration;
    for (int i = 0; i < kEntries; ++i) {
        const int product = 1 + (i * 37) % kProducts;
        const bool grams = i % 2 == 0;
        ration.push_back({(7 + i / 10 * 0.5) / 24.0, product, grams, 150 + i, grams ? 0 : product,
                          grams ? 0 : 1.5, 180.75, 7.5, 6.25, 22.5});
    }
    return ration;
}

void RationTableRebuild200(benchmark::State& state) {
    static TRationStore store;
    TDM* previous = DM;
    DM = store.Module();
    const TArraySave ration = Ration();
    TStoreRacLookups lookups;
    for (auto _ : state) {
        TRacTable table = BuildRacTable(ration, {true, true}, lookups);
        benchmark::DoNotOptimize(table.rows.data());
    }
    DM = previous;
}
BENCHMARK(RationTableRebuild200)->Unit(benchmark::kMillisecond);

} // namespace
