// The store on 100,000 products: a search key press, the look-ups of one ration rebuild, and
// the product list of one large group; the daily copy of the starter catalog.

#include "bench/BenchFixture.h"
#include "store/UDailyCopy.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kProducts = 100000;
constexpr int kBigGroup = 7;

const TBenchStore& Store() {
    static TBenchStore store;
    static const bool filled = [] {
        const QStringList names = TBenchStore::ProductNames(kProducts);
        // 2,000 of the products form one group; the rest are spread over 49 others.
        for (int i = 0; i < 50; ++i)
            store.AddProducts(i == 0 ? kBigGroup : 100 + i, names.mid(i * 2000, 2000));
        return true;
    }();
    (void)filled;
    return store;
}

void SearchKeyPress(benchmark::State& state) {
    TUseStore scope(Store());
    for (auto _ : state) {
        DM->SQL1.SetSQL(QStringLiteral(
            "SELECT tab_prod.id_prod,tab_prod.id_grup,tab_prod.naim_prod,tab_grup.num_tv,"
            "tab_grup.id_parent   FROM tab_prod LEFT JOIN tab_grup ON "
            "tab_prod.id_grup=tab_grup.id_grup WHERE naim_prod LIKE \"%сёмга северный%\" "
            "ORDER BY id_parent, tab_grup.num_tv,naim_prod"));
        DM->SQL1.Open();
        benchmark::DoNotOptimize(DM->SQL1.RecordCount());
    }
}
BENCHMARK(SearchKeyPress)->Unit(benchmark::kMillisecond);

// The look-ups of one ration rebuild, in the read scope the rebuild runs them in.
void RationLookups500(benchmark::State& state) {
    TUseStore scope(Store());
    for (auto _ : state) {
        TReadScope read(DM->ADOTrans);
        for (int i = 1; i <= 500; ++i) {
            DM->SQL1.SetSQL(
                QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=:id_prod"));
            DM->SQL1.SetParam(QStringLiteral("id_prod"), i * 97);
            DM->SQL1.Open();
            benchmark::DoNotOptimize(DM->SQL1.Fields(0).AsString());
        }
    }
}
BENCHMARK(RationLookups500)->Unit(benchmark::kMillisecond);

void GroupList2000(benchmark::State& state) {
    TUseStore scope(Store());
    for (auto _ : state) {
        DM->SQLGrup.SetSQL(QStringLiteral("SELECT id_prod, naim_prod, kkal FROM tab_prod WHERE "
                                          "id_grup=%1 ORDER BY naim_prod")
                               .arg(kBigGroup));
        DM->SQLGrup.Open();
        benchmark::DoNotOptimize(DM->SQLGrup.RecordCount());
    }
}
BENCHMARK(GroupList2000)->Unit(benchmark::kMillisecond);

// The start-up copy of the ready "KKAL.mdb", one new day per iteration, the oldest removed.
void DailyCopyStarter(benchmark::State& state) {
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("KKAL.mdb"));
    QFile::copy(QStringLiteral(EDOMER_BIN_DIR "/KKAL.mdb"), database);
    QDate day(2026, 1, 1);
    for (auto _ : state) {
        if (!WriteDailyCopy(database, day))
            state.SkipWithError("no copy written");
        day = day.addDays(1);
    }
    state.counters["bytes"] = double(QFileInfo(database).size());
}
BENCHMARK(DailyCopyStarter)->Unit(benchmark::kMillisecond);

} // namespace
