// The ready "KKAL.mdb" the build writes: the shape of its catalog, the "100г" measure every
// product opens with, unique names, energies that agree with Б, Ж, У, and every value traced
// to the USDA lines committed under data/usda/.

#include "base/UFormat.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/data/StarterSources.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

struct TProduct {
    int id = 0;
    QString name;
    double kkal = 0;
    double bel = 0;
    double zir = 0;
    double ugl = 0;
    int grup = 0;
};

struct TMeasure {
    QString name;
    int grams = 0;
    double kkal = 0;
};

struct TGroup {
    QString name;
    int numTv = 0;
    int parent = 0;
};

std::vector<TProduct> Products() {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral(
        "SELECT id_prod,naim_prod,kkal,bel,zir,ugl,id_grup FROM tab_prod ORDER BY id_prod"));
    std::vector<TProduct> products;
    for (q.Open(); !q.Eof(); q.Next())
        products.push_back({q.Fields(0).AsInteger(), q.Fields(1).AsString(), q.Fields(2).AsFloat(),
                            q.Fields(3).AsFloat(), q.Fields(4).AsFloat(), q.Fields(5).AsFloat(),
                            q.Fields(6).AsInteger()});
    return products;
}

// The product's measures in the order they were written.
std::vector<TMeasure> Measures(int product) {
    TQuery& q = DM->SQL2;
    q.SetSQL(QStringLiteral(
        "SELECT naim_mera,g_mera,kkal_mera FROM tab_mera WHERE id_prod=:id_prod ORDER BY id_mif"));
    q.SetParam(QStringLiteral("id_prod"), product);
    std::vector<TMeasure> measures;
    for (q.Open(); !q.Eof(); q.Next())
        measures.push_back(
            {q.Fields(0).AsString(), q.Fields(1).AsInteger(), q.Fields(2).AsFloat()});
    return measures;
}

QMap<int, TGroup> Groups() {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT id_grup,naim_grup,num_tv,id_parent FROM tab_grup"));
    QMap<int, TGroup> groups;
    for (q.Open(); !q.Eof(); q.Next())
        groups.insert(q.Fields(0).AsInteger(),
                      {q.Fields(1).AsString(), q.Fields(2).AsInteger(), q.Fields(3).AsInteger()});
    return groups;
}

QMap<QString, TCatalogRow> RowsByName() {
    QMap<QString, TCatalogRow> rows;
    for (const TCatalogRow& row : ReadCatalogRows())
        rows.insert(row.name, row);
    // The composed dishes have no NDB number of their own.
    for (const TRecipe& recipe : ReadComposedRecipes())
        rows.insert(recipe.name, {recipe.group, recipe.subgroup, recipe.name, QString()});
    return rows;
}

// Which way a food's USDA energy departs from 4 × Б + 9 × Ж + 4 × У.
enum class TEnergyGap { Lower, Higher };

QStringList Quoted(std::initializer_list<const char*> names) {
    QStringList list;
    for (const char* name : names)
        list << QString::fromUtf8(name);
    return list;
}

// Foods named here depart from Б, Ж, У by more than 15 %, each to the side its reason gives.
// The composed dishes are checked alike and all agree.
const QMap<QString, TEnergyGap>& EnergyExempt() {
    static const QMap<QString, TEnergyGap> names = [] {
        QMap<QString, TEnergyGap> map;
        // Fibre-rich foods: the carbohydrate by difference counts the fibre, which yields
        // little energy, and citrus, greens and cocoa have lower USDA factors of their own.
        for (const QString& name : Quoted(
                 {"Отруби пшеничные", "Отруби овсяные", "Хлопья отрубные", "Дрожжи сухие активные",
                  "Лимон", "Лайм", "Цедра лимона", "Перец чёрный молотый", "Корица молотая",
                  "Сальса", "Каперсы", "Салат овощной без заправки", "Какао-порошок",
                  "Какао-порошок алкализованный", "Шоколад горький (для выпечки)", "Сок томатный",
                  "Сок лимонный", "Сок лаймовый"}))
            map.insert(name, TEnergyGap::Lower);
        // Ethanol (7 kcal/g) and acetic acid carry energy that Б, Ж, У do not show.
        for (const QString& name :
             Quoted({"Уксус столовый", "Уксус яблочный", "Ваниль (экстракт)", "Фондю сырное"}))
            map.insert(name, TEnergyGap::Higher);
        return map;
    }();
    return names;
}

// Whole branches whose foods may depart to one side: vegetables, greens and mushrooms have
// their own lower USDA factors (protein 2.44, carbohydrate 3.57 kcal/g and less), and
// alcoholic drinks carry ethanol.
std::optional<TEnergyGap> BranchGap(const QString& group, const QString& subgroup) {
    if (group == QStringLiteral("Овощи"))
        return TEnergyGap::Lower;
    if (subgroup == QStringLiteral("Алкогольные"))
        return TEnergyGap::Higher;
    return std::nullopt;
}

double NutrientEnergy(const TProduct& p) {
    return 4 * p.bel + 9 * p.zir + 4 * p.ugl;
}

// Within 15 %, or within 2 kcal, the rounding of a whole-number energy and of Б, Ж, У to 0.1 g.
bool EnergyAgrees(const TProduct& p) {
    const double nutrients = NutrientEnergy(p);
    return std::abs(p.kkal - nutrients) <= std::max(0.15 * nutrients, 2.0);
}

// Lower: no more than agreeing allows and at least half; higher: no less than agreeing allows.
bool EnergyOnItsSide(const TProduct& p, TEnergyGap gap) {
    const double nutrients = NutrientEnergy(p);
    if (gap == TEnergyGap::Lower)
        return p.kkal <= 1.15 * nutrients + 2 && p.kkal >= 0.5 * nutrients - 2;
    return p.kkal >= 0.85 * nutrients - 2;
}

} // namespace

class TestStarterCatalog : public QObject {
    Q_OBJECT

private slots:
    void CatalogFillsTwoOrderedLevelsOfGroups() {
        TTestStore store(TStoreKind::Starter);
        const QMap<int, TGroup> groups = Groups();
        QMap<int, QList<int>> children; // parent id -> its groups in num_tv order
        QSet<QString> names;
        for (auto it = groups.cbegin(); it != groups.cend(); ++it) {
            QVERIFY2(it->parent == 0 ||
                         (groups.contains(it->parent) && groups.value(it->parent).parent == 0),
                     qPrintable(it->name));
            QVERIFY2(!names.contains(it->name.toCaseFolded()), qPrintable(it->name));
            names.insert(it->name.toCaseFolded());
            children[it->parent] << it.key();
        }
        for (QList<int>& siblings : children) {
            std::sort(siblings.begin(), siblings.end(),
                      [&](int a, int b) { return groups.value(a).numTv < groups.value(b).numTv; });
            for (int i = 1; i < siblings.size(); ++i)
                QVERIFY(groups.value(siblings[i - 1]).numTv < groups.value(siblings[i]).numTv);
        }
        const QList<int>& top = children.value(0);
        QVERIFY(top.size() >= 12 && top.size() <= 15);
        QCOMPARE(groups.value(top.first()).name, QStringLiteral("Молочные продукты"));
        QCOMPARE(groups.value(top[top.size() - 2]).name, QStringLiteral("Сахар и сладости"));
        QCOMPARE(groups.value(top.last()).name, QStringLiteral("Напитки"));

        // Every line of the catalog and every composed dish became one product, listed under
        // its group and subgroup.
        const QMap<QString, TCatalogRow> rows = RowsByName();
        const std::vector<TProduct> products = Products();
        QVERIFY(products.size() >= 1000);
        QCOMPARE(int(products.size()),
                 int(ReadCatalogRows().size() + ReadComposedRecipes().size()));
        QSet<int> used;
        QMap<int, int> counts; // group id -> its products
        for (const TProduct& p : products) {
            QVERIFY2(rows.contains(p.name) && groups.contains(p.grup), qPrintable(p.name));
            const TCatalogRow& row = rows[p.name];
            const TGroup& g = groups.value(p.grup);
            const bool direct = row.subgroup.isEmpty();
            QCOMPARE(g.name, direct ? row.group : row.subgroup);
            if (direct)
                QCOMPARE(g.parent, 0);
            else
                QCOMPARE(groups.value(g.parent).name, row.group);
            used << p.grup;
            ++counts[p.grup];
        }
        // Most groups hold 30 foods or more. Each lists its everyday foods itself, 8 or more,
        // the first (shown at start) 15 or more; each subgroup holds 5 or more.
        int large = 0;
        for (int id : top) {
            int total = counts.value(id);
            for (int child : children.value(id))
                total += counts.value(child);
            large += total >= 30 ? 1 : 0;
            QVERIFY2(counts.value(id) >= (id == top.first() ? 15 : 8),
                     qPrintable(groups.value(id).name));
            for (int child : children.value(id))
                QVERIFY2(counts.value(child) >= 5, qPrintable(groups.value(child).name));
        }
        QVERIFY(large >= 12);
        // No empty branches: every group without subgroups lists products.
        for (auto it = groups.cbegin(); it != groups.cend(); ++it)
            if (!children.contains(it.key()))
                QVERIFY2(used.contains(it.key()), qPrintable(it->name));
    }

    void EveryProductOpensWithItsOwn100gMeasure() {
        TTestStore store(TStoreKind::Starter);
        const QString hundred = QStringLiteral("100г");
        const std::vector<TProduct> products = Products();
        int household = 0;
        for (const TProduct& p : products) {
            const std::vector<TMeasure> measures = Measures(p.id);
            household += measures.size() > 1 ? 1 : 0;
            QVERIFY2(!measures.empty() && measures.size() <= 4, qPrintable(p.name));
            QCOMPARE(measures.front().name, hundred);
            QCOMPARE(measures.front().grams, 100);
            QCOMPARE(measures.front().kkal, p.kkal);
            QSet<QString> seen{hundred};
            for (std::size_t i = 1; i < measures.size(); ++i) {
                const TMeasure& m = measures[i];
                QVERIFY2(!seen.contains(m.name) && m.grams > 0, qPrintable(p.name + m.name));
                seen << m.name;
                QCOMPARE(RoundedTo(m.kkal, 1), RoundedTo(m.grams * p.kkal / 100, 1));
            }
        }
        // Three foods in four have a household measure besides "100г".
        QVERIFY(4 * household >= 3 * int(products.size()));
        QCOMPARE(CountSql(QStringLiteral(
                     "SELECT count(*) FROM tab_mera WHERE id_prod NOT IN (SELECT id_prod FROM "
                     "tab_prod)")),
                 0);
    }

    void ProductNamesAreUniqueIgnoringCase() {
        TTestStore store(TStoreKind::Starter);
        QSet<QString> names;
        for (const TProduct& p : Products()) {
            QVERIFY2(!p.name.isEmpty() && p.name.size() <= 150 && p.name == p.name.trimmed(),
                     qPrintable(p.name));
            QVERIFY2(!names.contains(p.name.toCaseFolded()), qPrintable(p.name));
            names << p.name.toCaseFolded();
        }
    }

    void EnergyAgreesWithProteinFatAndCarbohydrate() {
        TTestStore store(TStoreKind::Starter);
        const QMap<int, TGroup> groups = Groups();
        QStringList disagreeing;
        QSet<QString> exemptSeen;
        for (const TProduct& p : Products()) {
            const TGroup& g = groups.value(p.grup);
            const QString group = g.parent == 0 ? g.name : groups.value(g.parent).name;
            const QString subgroup = g.parent == 0 ? QString() : g.name;
            const bool named = EnergyExempt().contains(p.name);
            if (named)
                exemptSeen << p.name;
            const std::optional<TEnergyGap> gap =
                named ? std::optional(EnergyExempt().value(p.name)) : BranchGap(group, subgroup);
            // A named food that agrees no longer needs to be on the list.
            const bool fine =
                gap ? EnergyOnItsSide(p, *gap) && !(named && EnergyAgrees(p)) : EnergyAgrees(p);
            if (!fine)
                disagreeing << QStringLiteral("%1 %2 kcal, Б %3, Ж %4, У %5%6")
                                   .arg(p.name)
                                   .arg(p.kkal)
                                   .arg(p.bel)
                                   .arg(p.zir)
                                   .arg(p.ugl)
                                   .arg(named ? QStringLiteral(" (named)") : QString());
        }
        QVERIFY2(disagreeing.isEmpty(), qPrintable(disagreeing.join(QStringLiteral("; "))));
        QCOMPARE(exemptSeen.size(), int(EnergyExempt().size()));
    }

    void ValuesAndMeasuresComeFromTheUsdaLines() {
        TTestStore store(TStoreKind::Starter);
        const QMap<QString, TUsdaFood> foods =
            ReadUsdaFoods(SourcePath(QStringLiteral("data/usda/usda-sr-abbrev.txt")));
        const QMap<QString, std::vector<TUsdaMeasure>> usdaMeasures =
            ReadUsdaMeasures(SourcePath(QStringLiteral("data/usda/usda-sr-weight.txt")));
        const QMap<QString, TCatalogRow> rows = RowsByName();
        QVERIFY(!foods.isEmpty() && !rows.isEmpty());

        // The USDA lines hold the catalog's foods and no others.
        QSet<QString> ndbs;
        for (const TCatalogRow& row : rows)
            if (!row.ndb.isEmpty())
                ndbs << row.ndb;
        QCOMPARE(QSet<QString>(foods.keyBegin(), foods.keyEnd()), ndbs);
        for (auto it = usdaMeasures.cbegin(); it != usdaMeasures.cend(); ++it)
            QVERIFY2(ndbs.contains(it.key()), qPrintable(it.key()));

        for (const TProduct& p : Products()) {
            const QString ndb = rows.value(p.name).ndb;
            if (ndb.isEmpty())
                continue; // a composed dish, checked against its recipe
            QVERIFY2(foods.contains(ndb), qPrintable(p.name));
            const TUsdaFood& food = foods[ndb];
            const QString what = p.name + QStringLiteral(" (") + ndb + QLatin1Char(')');
            QVERIFY2(p.kkal == RoundedTo(food.kcal, 1), qPrintable(what));
            QVERIFY2(p.bel == RoundedTo(food.protein, 1), qPrintable(what));
            QVERIFY2(p.zir == RoundedTo(food.fat, 1), qPrintable(what));
            QVERIFY2(p.ugl == RoundedTo(food.carbohydrate, 1), qPrintable(what));
            const QList<long long> allowed = MeasureGrams(usdaMeasures.value(ndb));
            const std::vector<TMeasure> measures = Measures(p.id);
            for (std::size_t i = 1; i < measures.size(); ++i)
                QVERIFY2(allowed.contains(measures[i].grams),
                         qPrintable(what + QLatin1Char(' ') + measures[i].name));
        }
    }

    void UsdaLinesAreCopiedUnchanged() {
        // The committed lines keep the release's records: 50 fields a food, 7 a measure, the
        // measures in the release's order of food number and sequence.
        const QRegularExpression ndb(QStringLiteral("^~\\d{5}~$"));
        for (const QString& line :
             ReadLines(SourcePath(QStringLiteral("data/usda/usda-sr-abbrev.txt")))) {
            const QStringList f = line.split(QLatin1Char('^'));
            QVERIFY2(f.size() == 50 && ndb.match(f[0]).hasMatch(), qPrintable(line));
        }
        std::pair<QString, int> previous;
        for (const QString& line :
             ReadLines(SourcePath(QStringLiteral("data/usda/usda-sr-weight.txt")))) {
            const QStringList f = line.split(QLatin1Char('^'));
            QVERIFY2(f.size() == 7 && ndb.match(f[0]).hasMatch(), qPrintable(line));
            const std::pair<QString, int> key(f[0], f[1].toInt());
            QVERIFY2(previous < key, qPrintable(line));
            previous = key;
        }
        // Where the whole release lies beside this tree, every committed line is one of its.
        const QString full = SourcePath(QStringLiteral("../shared/data/"));
        for (const QString& name :
             {QStringLiteral("usda-sr-abbrev.txt"), QStringLiteral("usda-sr-weight.txt")}) {
            const QStringList source = ReadLines(full + name);
            const QSet<QString> lines(source.cbegin(), source.cend());
            const QStringList copied = ReadLines(SourcePath(QStringLiteral("data/usda/") + name));
            QVERIFY(!copied.isEmpty());
            for (const QString& line : copied)
                QVERIFY2(lines.isEmpty() || lines.contains(line), qPrintable(line));
        }
    }
};

EDOMER_TEST(TestStarterCatalog)
#include "TestStarterCatalog.moc"
