#include "data/tool/UComposedDish.h"

#include "base/UFormat.h"
#include "catalog/UProdRules.h"
#include "dish/UReadyDish.h"
#include "ration/URacionTable.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace {

// The ration table asks for names only to show them; the totals do not depend on them.
class TNoNames : public TRacLookups {
public:
    std::optional<QString> ProductName(int) override { return QString(); }
    std::optional<QString> MeasureName(int) override { return QString(); }
};

int PositiveGrams(const QString& text, const QString& where) {
    bool ok = false;
    const int grams = text.trimmed().toInt(&ok);
    if (!ok || grams <= 0)
        throw TDataError{
            where + QStringLiteral(": «%1» is not a positive whole number of grams").arg(text)};
    return grams;
}

} // namespace

std::vector<TRecipe> ReadRecipes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw TDataError{QStringLiteral("cannot read %1").arg(path)};
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<TRecipe> recipes;
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString where = QStringLiteral("%1:%2").arg(QFileInfo(path).fileName()).arg(lineNo);
        const QStringList f = line.split(QLatin1Char(';'));
        if (f[0] == QLatin1String("dish")) {
            if (!recipes.empty() && recipes.back().items.empty())
                throw TDataError{where + QStringLiteral(": the dish before has no ingredients")};
            if (f.size() != 7 || f[3].trimmed().isEmpty() || f[5].trimmed().isEmpty())
                throw TDataError{where + QStringLiteral(": dish;group;subgroup;name;cooked "
                                                        "grams;portion;portion grams expected")};
            recipes.push_back({f[1].trimmed(),
                               f[2].trimmed(),
                               f[3].trimmed(),
                               PositiveGrams(f[4], where),
                               f[5].trimmed(),
                               PositiveGrams(f[6], where),
                               {}});
            continue;
        }
        if (recipes.empty() || f.size() != 3 || f[0].trimmed().isEmpty())
            throw TDataError{where + QStringLiteral(": ndb;grams;product of a dish expected")};
        recipes.back().items.push_back(
            {f[0].trimmed(), PositiveGrams(f[1], where), f[2].trimmed()});
    }
    if (!recipes.empty() && recipes.back().items.empty())
        throw TDataError{path + QStringLiteral(": the last dish has no ingredients")};
    return recipes;
}

void TCatalogByNdb::Add(const QString& ndb, const QString& name, const TIngredient& product) {
    FLines.insert(ndb, {name, product});
}

std::optional<TIngredient> TCatalogByNdb::Find(const TRecipeItem& item) const {
    const QList<std::pair<QString, TIngredient>> lines = FLines.values(item.ndb);
    if (lines.size() == 1)
        return lines.front().second;
    for (const auto& line : lines)
        if (line.first == item.product)
            return line.second;
    if (lines.isEmpty())
        return std::nullopt;
    throw TDataError{QStringLiteral("NDB %1 is on several catalog lines, none named «%2»")
                         .arg(item.ndb, item.product)};
}

TComposedDish ComposedDish(const TRecipe& recipe, const TCatalogByNdb& catalog) {
    TArraySave ration;
    for (const TRecipeItem& item : recipe.items) {
        const std::optional<TIngredient> product = catalog.Find(item);
        if (!product)
            throw TDataError{recipe.name + QStringLiteral(": no catalog product has NDB ") +
                             item.ndb};
        TRacionItem entry;
        entry.id_prod = product->idProd;
        SetGramsAmount(entry, item.grams, product->values);
        ration.push_back(entry);
        PlaceLastEntry(ration);
    }
    TNoNames names;
    const TDishTotals per100 = PerHundredGrams(
        DishTotalsOf(BuildRacTable(ration, TRacViewOptions(), names)), recipe.cookedGrams);
    const TProductValues values{RoundedTo(per100.kkal, 1), RoundedTo(per100.bel, 1),
                                RoundedTo(per100.zir, 1), RoundedTo(per100.ugl, 1)};
    return {values, StrToFloat(MeasureKcalText(QString::number(recipe.portionGrams), values.kkal))};
}
