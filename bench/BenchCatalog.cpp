// The catalog on a large store: loading a tree of 1,000 groups and subgroups, filling the
// product list of a group of 2,000 products, and one key press of the quick search over
// 100,000 products, also the first one after a change.

#include "bench/BenchFixture.h"
#include "catalog/UGroupTree.h"
#include "catalog/UProductList.h"
#include "catalog/UProductSearch.h"
#include "store/UCollation.h"
#include "store/UQuery.h"
#include "ui/UListView.h"

#include <QFile>
#include <QIcon>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kGroups = 100;
constexpr int kSubgroupsPerGroup = 9;
constexpr int kProducts = 100000;
constexpr int kBigGroupProducts = 2000;

// Groups with nine subgroups each; one group holds 2,000 products, the others share the rest.
struct TCatalogStore {
    TBenchStore store;
    int bigGroup = 0;

    TCatalogStore() {
        std::vector<int> nodes;
        for (int g = 0; g < kGroups; ++g) {
            const int group = store.AddGroup(QStringLiteral("Группа продуктов %1").arg(g), 0, g);
            nodes.push_back(group);
            for (int s = 0; s < kSubgroupsPerGroup; ++s)
                nodes.push_back(
                    store.AddGroup(QStringLiteral("Подгруппа %1.%2").arg(g).arg(s), group, s));
        }
        bigGroup = nodes.front();
        const QStringList names = TBenchStore::ProductNames(kProducts);
        store.AddProducts(bigGroup, names.mid(0, kBigGroupProducts));
        const int perNode = (kProducts - kBigGroupProducts) / int(nodes.size() - 1);
        for (std::size_t i = 1; i < nodes.size(); ++i)
            store.AddProducts(nodes[i],
                              names.mid(kBigGroupProducts + int(i - 1) * perNode, perNode));
    }
};

TCatalogStore& Store() {
    static TCatalogStore store;
    return store;
}

void TreeLoad1000(benchmark::State& state) {
    TUseStore scope(Store().store);
    QTreeWidget tree;
    const QIcon icon;
    for (auto _ : state) {
        LoadGroupTree(&tree, DM->SQLGrup, icon);
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    state.counters["nodes"] = NodeCount(&tree);
}
BENCHMARK(TreeLoad1000)->Unit(benchmark::kMillisecond);

void ProductList2000(benchmark::State& state) {
    TUseStore scope(Store().store);
    TListView list(nullptr);
    list.SetColumns({{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}});
    for (auto _ : state) {
        FillProductList(&list, DM->SQLGrup, Store().bigGroup);
        benchmark::DoNotOptimize(list.Count());
    }
    state.counters["items"] = list.Count();
}
BENCHMARK(ProductList2000)->Unit(benchmark::kMillisecond);

// Typing the last character of the text into the quick search field: the run opens and its
// first match is shown in the tree and the product list.
void QuickSearchKeyPress(benchmark::State& state, const char* text) {
    TUseStore scope(Store().store);
    QTreeWidget tree;
    TListView list(nullptr);
    list.SetColumns({{QStringLiteral("Название"), 300}, {QStringLiteral("Ккал"), 87}});
    LoadGroupTree(&tree, DM->SQLGrup, QIcon());
    const QString typed = QString::fromUtf8(text);
    auto groupClick = [&] { FillProductList(&list, DM->SQLGrup, NodeId(SelectedNode(&tree))); };
    for (auto _ : state) {
        OpenSearch(DM->SQL1, TSearchKind::Contains, typed);
        if (const auto match = CurrentMatch(DM->SQL1))
            benchmark::DoNotOptimize(ShowMatch(&tree, &list, *match, groupClick));
    }
    state.counters["rows_read"] = DM->SQL1.RecordCount();
}
BENCHMARK_CAPTURE(QuickSearchKeyPress, word, "сёмга")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuickSearchKeyPress, two_words, "груша южный")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuickSearchKeyPress, three_letters, "мол")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuickSearchKeyPress, first_letter, "м")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuickSearchKeyPress, nothing_found, "ананас")->Unit(benchmark::kMillisecond);

// The first key press after a product was changed, by this program (its changed rows are read
// again) or by another one (every name is read again).
void QuickSearchAfterChange(benchmark::State& state, bool byAnotherProgram) {
    TUseStore scope(Store().store);
    TQuery change(DM->ADOTrans, {});
    // A change that leaves the row as it was would leave the file as it was.
    const char* kChange = "UPDATE tab_prod SET kkal=-kkal WHERE id_prod=1";
    change.SetSQL(QString::fromLatin1(kChange));
    sqlite3* other = nullptr;
    sqlite3_open(QFile::encodeName(DM->ADOTrans.DatabasePath()).constData(), &other);
    RegisterRussianText(other);
    for (auto _ : state) {
        state.PauseTiming();
        if (byAnotherProgram)
            sqlite3_exec(other, kChange, nullptr, nullptr, nullptr);
        else
            change.ExecSQL();
        state.ResumeTiming();
        OpenSearch(DM->SQL1, TSearchKind::Contains, QStringLiteral("ананас"));
        benchmark::DoNotOptimize(DM->SQL1.RecordCount());
    }
    sqlite3_close(other);
}
BENCHMARK_CAPTURE(QuickSearchAfterChange, this_program, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(QuickSearchAfterChange, another_program, true)->Unit(benchmark::kMillisecond);

} // namespace
