#pragma once
// The recipes of data/recipes.csv and the ready dish each one gives: its ingredients entered
// into a ration in grams, then the ration's totals over the cooked weight, as the program's
// ready dish of known weight takes them.

#include "base/UErrors.h"
#include "ration/URacionEntry.h"

#include <QMultiMap>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// A fault of the build's source files, with the line or the dish it was found at.
class TDataError : public EAppError {
public:
    using EAppError::EAppError;
};

struct TRecipeItem {
    QString ndb;
    int grams = 0;
    QString product; // the catalog name; it matters only where lines share the NDB number
};

struct TRecipe {
    QString group;
    QString subgroup; // empty: the dish is listed under its group
    QString name;
    int cookedGrams = 0;
    QString portionName;
    int portionGrams = 0;
    std::vector<TRecipeItem> items;
};

// Raises TDataError for a file that cannot be read or a line that is not a dish or ingredient.
std::vector<TRecipe> ReadRecipes(const QString& path);

// A catalog product that an ingredient names.
struct TIngredient {
    int idProd = 0;
    TProductValues values;
};

// The catalog's products by NDB number; where lines share a number, an ingredient picks one
// by its product name.
class TCatalogByNdb {
public:
    void Add(const QString& ndb, const QString& name, const TIngredient& product);
    // Nothing for an unknown number; raises TDataError when the number is on several lines
    // and none of them has the ingredient's name.
    std::optional<TIngredient> Find(const TRecipeItem& item) const;

private:
    QMultiMap<QString, std::pair<QString, TIngredient>> FLines;
};

// A composed dish as the catalog lists it: per 100 g of the cooked dish, to one decimal as
// every catalog line, and the energy of its portion.
struct TComposedDish {
    TProductValues per100;
    double portionKkal = 0;
};

// The ready dish of known weight that the recipe's ration gives, its values per 100 g then
// rounded to one decimal; the portion's energy follows from them as in the measures dialog.
// Raises TDataError for an ingredient the catalog does not have.
TComposedDish ComposedDish(const TRecipe& recipe, const TCatalogByNdb& catalog);
