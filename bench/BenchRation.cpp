// The ration table: one rebuild of a 200-entry ration, with its product and measure look-ups
// through the store, over a catalog of 5,000 products; saving that ration over itself.

#include "bench/BenchFixture.h"
#include "ration/URacionStore.h"
#include "ration/URacionTable.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kProducts = 5000;
constexpr int kEntries = 200;

// Products with one measure each, so that a product's measure has the product's key.
const TBenchStore& Store() {
    static TBenchStore store;
    static const bool filled = [] {
        store.AddProducts(1, TBenchStore::ProductNames(kProducts));
        return true;
    }();
    (void)filled;
    return store;
}

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
    TUseStore scope(Store());
    const TArraySave ration = Ration();
    for (auto _ : state) {
        TReadScope read(DM->ADOTrans);
        TStoreRacLookups lookups;
        TRacTable table = BuildRacTable(ration, {true, true}, lookups);
        benchmark::DoNotOptimize(table.rows.data());
    }
}
BENCHMARK(RationTableRebuild200)->Unit(benchmark::kMillisecond);

// "Сохранить" on a saved ration: its entries replaced in one transaction, written to disk.
void RationSave200(benchmark::State& state) {
    TUseStore scope(Store());
    const TArraySave ration = Ration();
    const int id = SaveRacionAs(QStringLiteral("Понедельник"), ration);
    for (auto _ : state)
        ResaveRacion(id, ration);
    DeleteSavedRacion(id);
}
BENCHMARK(RationSave200)->Unit(benchmark::kMillisecond);

} // namespace
