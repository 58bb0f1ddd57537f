// The composed dishes of the ready "KKAL.mdb": each is the ready dish its recipe gives when the
// ingredients are entered into a ration, stored with the "100г" and the portion measure. Their
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
            // the cooked dish, which the stored whole number may miss by the rounding of a
            // gram's energy to two decimals.
            double energy = 0;
            for (const TRecipeItem& item : recipe.items) {
                const std::optional<TIngredient> product = catalog.Find(item);
                QVERIFY2(product, qPrintable(recipe.name + item.ndb));
                energy += item.grams * product->values.kkal / 100;
            }
            const double per100 = energy * 100 / recipe.cookedGrams;
            QVERIFY2(std::abs(dish->product.values.kkal - per100) <= 0.5 + 1e-9,
                     qPrintable(recipe.name));

            // The ready dish of the recipe's ration, as the portions dialog stores it.
            const TReadyDish ready = ComposedDish(recipe, catalog);
            const TDishPerGram gram = DishPerGram(ready.totals, ready.portions, ready.portionGrams);
            QCOMPARE(dish->product.values.kkal, 100 * gram.kkal);
            QCOMPARE(dish->product.values.bel, 100 * gram.bel);
            QCOMPARE(dish->product.values.zir, 100 * gram.zir);
            QCOMPARE(dish->product.values.ugl, 100 * gram.ugl);
            QCOMPARE(dish->measures,
                     (QStringList{QStringLiteral("100г 100 %1").arg(RoundedTo(100 * gram.kkal, 6)),
                                  QStringLiteral("%1 %2 %3")
                                      .arg(recipe.portionName)
                                      .arg(recipe.portionGrams)
                                      .arg(RoundedTo(recipe.portionGrams * gram.kkal, 6))}));
        }
    }
};

EDOMER_TEST(TestComposedDishes)
#include "TestComposedDishes.moc"
