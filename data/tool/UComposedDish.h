#pragma once
// The recipes of data/recipes.csv and the ready dish each one gives: its ingredients entered
// into a ration in grams, then the ration's totals taken as the program's ready dish takes them.

#include "dish/UReadyDish.h"
#include "ration/URacionEntry.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A fault of the build's source files, with the file and line it was found at.
struct TDataError {
    QString message;
};

struct TRecipeItem {
    QString ndb;
    int grams = 0;
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

// A catalog product that an ingredient's NDB number names.
struct TIngredient {
    int idProd = 0;
    TProductValues values;
};
using TIngredientLookup = std::function<std::optional<TIngredient>(const QString& ndb)>;

// The dish as the portions dialog would store it from the recipe's ration: the cooked weight
// divided into portions of the recipe's grams. Its group is left to the caller. Raises
// TDataError for an ingredient the lookup does not know.
TReadyDish ComposedDish(const TRecipe& recipe, const TIngredientLookup& ingredient);
