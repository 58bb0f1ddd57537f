#include "tests/data/StarterSources.h"

#include "base/UFormat.h"

#include <QFile>
#include <QLocale>

namespace {

constexpr double kCupMl = 236.588;
constexpr double kFluidOunceMl = 29.5735;
constexpr double kGlassMl = 200;

// The USDA text format: fields separated by '^', text fields enclosed in '~'.
QStringList UsdaFields(const QString& line) {
    QStringList fields = line.split(QLatin1Char('^'));
    for (QString& field : fields)
        if (field.startsWith(QLatin1Char('~')) && field.endsWith(QLatin1Char('~')))
            field = field.mid(1, field.size() - 2);
    return fields;
}

double Number(const QString& text) {
    return QLocale::c().toDouble(text);
}

} // namespace

QString SourcePath(const QString& relative) {
    return QStringLiteral(EDOMER_SOURCE_DIR "/") + relative;
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    while (!file.atEnd()) {
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        lines << QString::fromLatin1(line);
    }
    return lines;
}

std::vector<TCatalogRow> ReadCatalogRows() {
    QFile file(SourcePath(QStringLiteral("data/catalog.csv")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    std::vector<TCatalogRow> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1String("group;")))
            continue;
        const QStringList f = line.split(QLatin1Char(';'));
        if (f.size() == 9)
            rows.push_back({f[0].trimmed(), f[1].trimmed(), f[2].trimmed(), f[3].trimmed()});
    }
    return rows;
}

std::vector<TRecipe> ReadComposedRecipes() {
    try {
        return ReadRecipes(SourcePath(QStringLiteral("data/recipes.csv")));
    } catch (const TDataError& error) {
        qWarning("%s", qPrintable(error.Message()));
        return {};
    }
}

QMap<QString, TUsdaFood> ReadUsdaFoods(const QString& path) {
    QMap<QString, TUsdaFood> foods;
    for (const QString& line : ReadLines(path)) {
        const QStringList f = UsdaFields(line);
        if (f.size() >= 8)
            foods.insert(f[0], {Number(f[3]), Number(f[4]), Number(f[5]), Number(f[7])});
    }
    return foods;
}

QMap<QString, std::vector<TUsdaMeasure>> ReadUsdaMeasures(const QString& path) {
    QMap<QString, std::vector<TUsdaMeasure>> measures;
    for (const QString& line : ReadLines(path)) {
        const QStringList f = UsdaFields(line);
        if (f.size() >= 5)
            measures[f[0]].push_back({Number(f[2]), f[3], Number(f[4])});
    }
    return measures;
}

QList<long long> MeasureGrams(const std::vector<TUsdaMeasure>& measures) {
    QList<long long> grams;
    for (const TUsdaMeasure& m : measures) {
        if (m.amount <= 0)
            continue;
        const double perUnit = m.grams / m.amount;
        grams << RoundHalfEven(m.grams) << RoundHalfEven(perUnit);
        const bool cup = m.description.startsWith(QLatin1String("cup"));
        const bool fluidOunce = m.description.startsWith(QLatin1String("fl oz")) ||
                                m.description.startsWith(QLatin1String("fluid ounce"));
        if (cup || fluidOunce)
            grams << RoundHalfEven(perUnit * kGlassMl / (cup ? kCupMl : kFluidOunceMl));
        if (cup)
            grams << RoundHalfEven(perUnit / 16) << RoundHalfEven(perUnit / 48);
    }
    return grams;
}
