#pragma once
// The arithmetic and the store of the ready dish: the ration's day totals become a new product
// per 100 g, known from the cooked weight or from the number and weight of its portions.

#include <QString>
#include <functional>
#include <optional>

struct TRacTable;
class TConnection;
class TQuery;

// Energy (kcal) and protein, fat and carbohydrates (g) of the whole dish.
struct TDishTotals {
    double kkal = 0;
    double bel = 0;
    double zir = 0;
    double ugl = 0;
};

// The day's sums of the hidden sum row, always in grams; zero for an empty ration.
TDishTotals DishTotalsOf(const TRacTable& table);
// The values per 100 g of a dish of the given cooked weight, unrounded.
TDishTotals PerHundredGrams(const TDishTotals& dish, int weight);

// A dish divided into portions of known weight: per gram, each rounded to two decimals.
struct TDishPerGram {
    double kkal = 0;
    double bel = 0;
    double zir = 0;
    double ugl = 0;
};
TDishPerGram DishPerGram(const TDishTotals& dish, double portions, int portionGrams);

// The spin button of the number of portions: up adds 1; down subtracts 1 only while the result
// stays above 0.1, otherwise there is no new value.
std::optional<double> SteppedPortions(double value, bool up);

struct TReadyDish {
    QString name;
    int group = 0;
    QString portionName;
    double portions = 1;
    int portionGrams = 0; // 0: the weight of a portion is not known
    TDishTotals totals;
};

// Raises EConvertError naming the typed number of portions when a value the dish would store
// is not finite (a number of portions too close to 0).
void CheckReadyDish(const TReadyDish& dish, const QString& typedPortions);

// Writes the dish as a product with its "100г" and portion measures, in one transaction; with
// a known portion weight the product and both measures are recalculated per gram, after
// announceRecalculation. Returns the new product's key (0 if it could not be read back).
int StoreReadyDish(TConnection& conn, TQuery& q, const TReadyDish& dish,
                   const std::function<void()>& announceRecalculation);
