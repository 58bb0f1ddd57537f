// Writes a ready "KKAL.mdb": the schema, the catalog of data/catalog.csv, then the ready dishes
// of data/recipes.csv, each computed by the program's own ready-dish code.
//
// Each line of the catalog: group;subgroup;name;ndb;kkal;bel;zir;ugl;measures
// (subgroup empty for a product listed under its group; measures "name=grams|name=grams").
// Groups and subgroups are numbered in the order they first appear. Every product gets the
// measure "100г" first, then its household measures with energy = grams × kkal / 100.

#include "data/tool/UComposedDish.h"
#include "store/UCatalogRows.h"
#include "store/UDM.h"
#include "store/UStoreFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTextStream>
#include <cstdio>
#include <exception>

namespace {

double Number(const QString& text, int line) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw TDataError{
            QStringLiteral("catalog line %1: «%2» is not a number").arg(line).arg(text)};
    return value;
}

// Groups and subgroups are made on first mention and numbered in that order among siblings.
class TGroupNumbering {
public:
    explicit TGroupNumbering(TQuery& q) : FQuery(q) {}

    int Group(const QString& name, int parent) {
        const QString key = Key(name, parent);
        if (!FGroups.contains(key))
            FGroups.insert(key, InsertGroup(FQuery, name, FChildren[parent]++, parent));
        return FGroups.value(key);
    }

    bool Has(const QString& name, int parent) const { return FGroups.contains(Key(name, parent)); }

private:
    static QString Key(const QString& name, int parent) {
        return QString::number(parent) + QLatin1Char('/') + name;
    }

    TQuery& FQuery;
    QMap<QString, int> FGroups;
    QMap<int, int> FChildren;
};

void WriteCatalog(const QString& catalogPath, TDM& dm, TGroupNumbering& groups,
                  TCatalogByNdb& products) {
    QFile file(catalogPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw TDataError{QStringLiteral("cannot read %1").arg(catalogPath)};
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1String("group;")))
            continue;
        const QStringList f = line.split(QLatin1Char(';'));
        if (f.size() != 9)
            throw TDataError{QStringLiteral("catalog line %1: 9 fields expected").arg(lineNo)};
        const int group = groups.Group(f[0].trimmed(), 0);
        const int owner = f[1].trimmed().isEmpty() ? group : groups.Group(f[1].trimmed(), group);
        const TProductValues values{Number(f[4], lineNo), Number(f[5], lineNo),
                                    Number(f[6], lineNo), Number(f[7], lineNo)};
        const int product = InsertProduct(dm.ADOTrans, f[2].trimmed(), owner, values.kkal,
                                          values.bel, values.zir, values.ugl);
        products.Add(f[3].trimmed(), f[2].trimmed(), {product, values});
        InsertMeasure(dm.SQLGrup, product, QStringLiteral("100г"), 100, values.kkal);
        const QStringList measures = f[8].split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString& m : measures) {
            const int eq = int(m.lastIndexOf(QLatin1Char('=')));
            if (eq <= 0)
                throw TDataError{
                    QStringLiteral("catalog line %1: measure «%2»").arg(lineNo).arg(m)};
            const int grams = int(Number(m.mid(eq + 1), lineNo));
            InsertMeasure(dm.SQLGrup, product, m.left(eq).trimmed(), grams,
                          grams * values.kkal / 100);
        }
    }
}

// Each dish under a group of the catalog (its subgroup may be new), listed as a catalog line
// with its "100г" and its portion measure.
void WriteComposedDishes(const QString& recipesPath, TDM& dm, TGroupNumbering& groups,
                         const TCatalogByNdb& products) {
    for (const TRecipe& recipe : ReadRecipes(recipesPath)) {
        if (!groups.Has(recipe.group, 0))
            throw TDataError{
                QStringLiteral("%1: the catalog has no group «%2»").arg(recipe.name, recipe.group)};
        const int group = groups.Group(recipe.group, 0);
        const int owner = recipe.subgroup.isEmpty() ? group : groups.Group(recipe.subgroup, group);
        const TComposedDish dish = ComposedDish(recipe, products);
        const TProductValues& v = dish.per100;
        const int product =
            InsertProduct(dm.ADOTrans, recipe.name, owner, v.kkal, v.bel, v.zir, v.ugl);
        InsertMeasure(dm.SQLGrup, product, QStringLiteral("100г"), 100, v.kkal);
        InsertMeasure(dm.SQLGrup, product, recipe.portionName, recipe.portionGrams,
                      dish.portionKkal);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: edomer_mkdb CATALOG.csv RECIPES.csv KKAL.mdb\n");
        return 2;
    }
    const QString catalog = QString::fromLocal8Bit(argv[1]);
    const QString recipes = QString::fromLocal8Bit(argv[2]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    try {
        CreateStoreFile(target);
        TDM dm;
        dm.ADOTrans.SetConnectionString(QStringLiteral("Data Source=") + target);
        TGroupNumbering groups(dm.SQLGrup);
        TCatalogByNdb products;
        TTransaction transaction(dm.ADOTrans);
        WriteCatalog(catalog, dm, groups, products);
        WriteComposedDishes(recipes, dm, groups, products);
        transaction.Commit();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "edomer_mkdb: %s\n", error.what());
        QFile::remove(target);
        return 1;
    }
    return 0;
}
