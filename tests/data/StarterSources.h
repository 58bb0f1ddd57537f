#pragma once
// Readers of the starter catalog's sources: the rows of data/catalog.csv and the USDA lines
// under data/usda/ that they name, for checking the ready "KKAL.mdb" against them.

#include "data/tool/UComposedDish.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <vector>

struct TCatalogRow {
    QString group;
    QString subgroup;
    QString name;
    QString ndb;
};

// Per 100 g of the edible part.
struct TUsdaFood {
    double kcal = 0;
    double protein = 0;
    double fat = 0;
    double carbohydrate = 0;
};

struct TUsdaMeasure {
    double amount = 0;
    QString description;
    double grams = 0;
};

// A file of the source tree.
QString SourcePath(const QString& relative);

// The lines of a text file; empty when it cannot be read.
QStringList ReadLines(const QString& path);

std::vector<TCatalogRow> ReadCatalogRows();

// The recipes of the composed dishes in data/recipes.csv; empty when they cannot be read.
std::vector<TRecipe> ReadComposedRecipes();

// The abbreviated table by NDB number.
QMap<QString, TUsdaFood> ReadUsdaFoods(const QString& path);

// The household measures by NDB number.
QMap<QString, std::vector<TUsdaMeasure>> ReadUsdaMeasures(const QString& path);

// The whole grams a catalog measure may carry when it comes from these USDA measures: a
// measure as listed or per unit of its amount; a cup or fluid ounce converted to a glass of
// 200 ml; a tablespoon or teaspoon as a sixteenth or forty-eighth of a cup.
QList<long long> MeasureGrams(const std::vector<TUsdaMeasure>& measures);
