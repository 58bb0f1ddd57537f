#include "dish/UReadyDish.h"

#include "base/UFormat.h"
#include "ration/URacionTable.h"
#include "store/UCatalogRows.h"
#include "store/UConnection.h"
#include "store/UQuery.h"

#include <algorithm>

TDishTotals DishTotalsOf(const TRacTable& table) {
    if (table.itog.size() < 2)
        return {};
    const QStringList& sums = table.itog[1].sub;
    return {StrToFloat(sums.value(3)), StrToFloat(sums.value(4)), StrToFloat(sums.value(5)),
            StrToFloat(sums.value(6))};
}

TDishTotals PerHundredGrams(const TDishTotals& dish, int weight) {
    return {dish.kkal * 100 / weight, dish.bel * 100 / weight, dish.zir * 100 / weight,
            dish.ugl * 100 / weight};
}

TDishPerGram DishPerGram(const TDishTotals& dish, double portions, int portionGrams) {
    const double grams = portions * portionGrams;
    return {RoundedTo(dish.kkal / grams, 2), RoundedTo(dish.bel / grams, 2),
            RoundedTo(dish.zir / grams, 2), RoundedTo(dish.ugl / grams, 2)};
}

std::optional<double> SteppedPortions(double value, bool up) {
    if (up)
        return value + 1;
    if (value - 1 > 0.1)
        return value - 1;
    return std::nullopt;
}

void CheckReadyDish(const TReadyDish& dish, const QString& typedPortions) {
    FiniteResult(dish.totals.kkal / dish.portions, typedPortions);
    if (dish.portionGrams == 0)
        return;
    // The values per gram are stored times 100 and times the portion's weight.
    const double grams = dish.portions * dish.portionGrams;
    const double factor = std::max(100, dish.portionGrams);
    for (double value : {dish.totals.kkal, dish.totals.bel, dish.totals.zir, dish.totals.ugl})
        FiniteResult(value / grams * factor, typedPortions);
}

int StoreReadyDish(TConnection& conn, TQuery& q, const TReadyDish& dish,
                   const std::function<void()>& announceRecalculation) {
    TTransaction transaction(conn);
    q.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) VALUES "
                            "(:nazv,:kkal,:bel,:zir,:ugl,:id_rac)"));
    q.SetParam(QStringLiteral("nazv"), dish.name);
    for (const char* column : {"kkal", "bel", "zir", "ugl"})
        q.SetParam(QString::fromLatin1(column), 0);
    q.SetParam(QStringLiteral("id_rac"), dish.group);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT max(id_prod) FROM tab_prod"));
    q.Open();
    int idProd = 0;
    if (!q.Eof()) {
        idProd = q.Fields(0).AsInteger();
        InsertMeasure(q, idProd, QStringLiteral("100г"), 100, 0);
        InsertMeasure(q, idProd, dish.portionName, dish.portionGrams,
                      dish.totals.kkal / dish.portions);
        if (dish.portionGrams != 0) {
            const TDishPerGram perGram = DishPerGram(dish.totals, dish.portions, dish.portionGrams);
            announceRecalculation();
            q.SetSQL(QStringLiteral("UPDATE tab_mera SET kkal_mera=g_mera*:kkal WHERE id_prod=") +
                     QString::number(idProd));
            q.SetParam(QStringLiteral("kkal"), perGram.kkal);
            q.ExecSQL();
            q.SetSQL(QStringLiteral("UPDATE tab_prod SET kkal=100*:kkal_mera,bel=100*:bel,"
                                    "zir=100*:zir,ugl=100*:ugl WHERE id_prod=") +
                     QString::number(idProd));
            q.SetParam(QStringLiteral("kkal_mera"), perGram.kkal);
            q.SetParam(QStringLiteral("bel"), perGram.bel);
            q.SetParam(QStringLiteral("zir"), perGram.zir);
            q.SetParam(QStringLiteral("ugl"), perGram.ugl);
            q.ExecSQL();
        }
    }
    transaction.Commit();
    return idProd;
}
