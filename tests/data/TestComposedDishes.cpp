// The composed dishes of the ready "KKAL.mdb": each is the ready dish its recipe gives when the
// ingredients make a ration of known cooked weight, stored with "100г" and the portion. Their
// groups, unique names and energies are checked with the whole catalog.

#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/data/StarterSources.h"

#include <QTest>
#include <cmath>

namespace {

struct TStored {
    TIngredient product;
    QStringList measures; // "name grams kcal" in the order written
};

std::optional<TStored> Stored(const QString& name) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT id_prod,kkal,bel,zir,ugl FROM tab_prod WHERE naim_prod=:nazv"));
    q.SetParam(QStringLiteral("nazv"), name);
    q.Open();
    if (q.RecordCount() != 1)
        return std::nullopt;
    TStored s{{q.Fields(0).AsInteger(),
               {q.Fields(1).AsFloat(), q.Fields(2).AsFloat(), q.Fields(3).AsFloat(),
                q.Fields(4).AsFloat()}},
              {}};
    TQuery& m = DM->SQL2;
    m.SetSQL(QStringLiteral("SELECT naim_mera,g_mera,kkal_mera FROM tab_mera WHERE "
                            "id_prod=:id_prod ORDER BY id_mif"));
    m.SetParam(QStringLiteral("id_prod"), s.product.idProd);
    for (m.Open(); !m.Eof(); m.Next())
        s.measures << QStringLiteral("%1 %2 %3")
                          .arg(m.Fields(0).AsString())
                          .arg(m.Fields(1).AsInteger())
                          .arg(RoundedTo(m.Fields(2).AsFloat(), 6));
    return s;
}

} // namespace

class TestComposedDishes : public QObject {
    Q_OBJECT

private slots:
    void EveryDishIsTheReadyDishOfItsRecipe() {
        TTestStore store(TStoreKind::Starter);
        TCatalogByNdb catalog;
        for (const TCatalogRow& row : ReadCatalogRows())
            if (const std::optional<TStored> product = Stored(row.name))
                catalog.Add(row.ndb, row.name, product->product);
        const std::vector<TRecipe> recipes = ReadComposedRecipes();
        QVERIFY(recipes.size() >= 25);
        for (const TRecipe& recipe : recipes) {
            const std::optional<TStored> dish = Stored(recipe.name);
            QVERIFY2(dish, qPrintable(recipe.name));

            // Every ingredient is a catalog line; the plain energy of the recipe per 100 g of
            // the cooked dish, which the stored value misses by no more than its roundings.
            double energy = 0;
            for (const TRecipeItem& item : recipe.items) {
                const std::optional<TIngredient> product = catalog.Find(item);
                QVERIFY2(product, qPrintable(recipe.name + item.ndb));
                energy += item.grams * product->values.kkal / 100;
            }
            const double per100 = energy * 100 / recipe.cookedGrams;
            QVERIFY2(std::abs(dish->product.values.kkal - per100) <= 0.5 + 1e-9,
                     qPrintable(recipe.name));

            // The ready dish of known weight, to one decimal, with the portion's energy as the
            // measures dialog gives it.
            const TProductValues& s = dish->product.values;
            const TProductValues v = ComposedDish(recipe, catalog).per100;
            QCOMPARE((QList<double>{s.kkal, s.bel, s.zir, s.ugl}),
                     (QList<double>{v.kkal, v.bel, v.zir, v.ugl}));
            QCOMPARE(dish->measures,
                     (QStringList{QStringLiteral("100г 100 %1").arg(s.kkal),
                                  QStringLiteral("%1 %2 %3")
                                      .arg(recipe.portionName)
                                      .arg(recipe.portionGrams)
                                      .arg(RoundedTo(recipe.portionGrams * s.kkal / 100, 1))}));
        }
        // Б, Ж, У keep their decimal, which the portions' rounding per gram would lose.
        const TProductValues b = Stored(QStringLiteral("Борщ"))->product.values;
        QCOMPARE((QList<double>{b.kkal, b.bel, b.zir, b.ugl}),
                 (QList<double>{53.4, 3.0, 3.1, 3.6}));
    }
};

EDOMER_TEST(TestComposedDishes)
#include "TestComposedDishes.moc"
