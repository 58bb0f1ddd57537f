// The diary over three years: what opening the window reads and computes for "всё время"
// (1,100 saved days of 25 entries, 400 weights), and the workbooks of 30 and of 365 days.

#include "bench/BenchFixture.h"
#include "diary/UDiaryStats.h"
#include "diary/UPeriodWorkbook.h"
#include "store/UConnection.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kProducts = 2000;
constexpr int kDays = 1100;
constexpr int kEntries = 25;
constexpr int kWeights = 400;

QDate Today() {
    return QDate::currentDate();
}

// Every day of the last 1,100 saved under its date, five meals of five entries; a weight on
// 400 of them, drifting down.
const TBenchStore& Store() {
    static TBenchStore store;
    static const bool filled = [] {
        store.AddProducts(1, TBenchStore::ProductNames(kProducts));
        TConnection& conn = store.Module()->ADOTrans;
        TTransaction transaction(conn);
        TQuery q(conn, {});
        for (int d = 0; d < kDays; ++d) {
            const QDate date = Today().addDays(d - kDays + 1);
            q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(id, naim_rac) VALUES(:id, :nazv)"));
            q.SetParam(QStringLiteral("id"), d + 1);
            q.SetParam(QStringLiteral("nazv"), FormatDdMmYy(date));
            q.ExecSQL();
            for (int e = 0; e < kEntries; ++e) {
                const int product = 1 + (d * 31 + e * 7) % kProducts;
                const bool grams = e % 2 == 0;
                q.SetSQL(QStringLiteral(
                    "INSERT INTO tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,kol_porc,kkal,"
                    "bel,zir,ugl) VALUES(:id_rac,:vremy,:id_prod,:flag,:g,:id_porc,:kol_porc,"
                    ":kkal,:bel,:zir,:ugl)"));
                q.SetParam(QStringLiteral("id_rac"), d + 1);
                q.SetParam(QStringLiteral("vremy"), (7 + e / 5 * 3) / 24.0);
                q.SetParam(QStringLiteral("id_prod"), product);
                q.SetParam(QStringLiteral("flag"), grams);
                q.SetParam(QStringLiteral("g"), 100 + e);
                q.SetParam(QStringLiteral("id_porc"), grams ? 0 : product);
                q.SetParam(QStringLiteral("kol_porc"), grams ? 0.0 : 1.5);
                q.SetParam(QStringLiteral("kkal"), 60 + (d + e) % 90);
                q.SetParam(QStringLiteral("bel"), 3.5);
                q.SetParam(QStringLiteral("zir"), 2.25);
                q.SetParam(QStringLiteral("ugl"), 9.5);
                q.ExecSQL();
            }
        }
        transaction.Commit();
        for (int w = 0; w < kWeights; ++w)
            WriteWeight(conn, Today().addDays(w * kDays / kWeights - kDays + 1), 90 - w * 0.02);
        return true;
    }();
    (void)filled;
    return store;
}

void DiaryOpen(benchmark::State& state) {
    TUseStore scope(Store());
    const TDiaryPeriod period = PeriodOfItem(int(kPeriodItems.size()) - 1, Today());
    for (auto _ : state) {
        const auto days = ReadDiaryDays(DM->ADOTrans, period.from, period.to);
        const auto weights = ReadWeights(DM->ADOTrans, period.from, period.to);
        benchmark::DoNotOptimize(SevenDayMeans(days).data());
        benchmark::DoNotOptimize(DiaryRows(days, weights, 2200).data());
        benchmark::DoNotOptimize(DiaryRowRations(days, weights).data());
        benchmark::DoNotOptimize(ExpenditureText(days, weights, 2200).data());
    }
    state.counters["days"] = double(ReadDiaryDays(DM->ADOTrans, period.from, period.to).size());
}
BENCHMARK(DiaryOpen)->Unit(benchmark::kMillisecond);

// The workbook of the period's days, built and written to a file.
void DiaryWorkbook(benchmark::State& state, int item) {
    TUseStore scope(Store());
    QTemporaryDir dir;
    const TDiaryPeriod period = PeriodOfItem(item, Today());
    const QString path = dir.filePath(PeriodWorkbookName(period));
    for (auto _ : state) {
        const auto days = ReadDiaryDays(DM->ADOTrans, period.from, period.to);
        const auto weights = ReadWeights(DM->ADOTrans, period.from, period.to);
        BuildPeriodWorkbook(period, days, weights, 2200, {}).SaveAs(path);
    }
}
void DiaryWorkbook30(benchmark::State& state) {
    DiaryWorkbook(state, 1);
}
BENCHMARK(DiaryWorkbook30)->Unit(benchmark::kMillisecond);

void DiaryWorkbook365(benchmark::State& state) {
    DiaryWorkbook(state, 3);
}
BENCHMARK(DiaryWorkbook365)->Unit(benchmark::kMillisecond);

} // namespace
