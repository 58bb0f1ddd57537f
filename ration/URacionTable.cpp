#include "ration/URacionTable.h"

#include "store/UDM.h"

#include <algorithm>

const QString kMealTotalText = QStringLiteral("Итого за прием:");
const QString kDayTotalText = QStringLiteral("Итого за день:");

namespace {

const QString kNoMealYet = QStringLiteral("-----");
const QString kProductGone = QStringLiteral("Продукт был удален");
const QString kMeasureGone = QStringLiteral("мера удалена");

// The first column of the first row of SQL1's statement for the id, if there is a row.
std::optional<QString> FirstName(const QString& statement, int id) {
    TQuery& q = DM->SQL1;
    q.SetSQL(statement);
    q.SetParam(QStringLiteral("id_prod"), id);
    q.Open();
    if (q.RecordCount() == 0)
        return std::nullopt;
    return q.Fields(0).AsString();
}

QString ProductText(const TRacionItem& e, TRacLookups& lookups) {
    if (e.id_prod == 0)
        return kProductGone;
    return lookups.ProductName(e.id_prod).value_or(kProductGone);
}

QString PortionText(const TRacionItem& e, TRacLookups& lookups) {
    if (e.flag)
        return FormatWholeGrams(e.g) + QStringLiteral("г");
    if (e.id_porc == 0)
        return kMeasureGone;
    const std::optional<QString> measure = lookups.MeasureName(e.id_porc);
    if (!measure)
        return kMeasureGone;
    return FormatGeneral(e.kol_porc) + QStringLiteral(" * ") + *measure;
}

// The subtotal of the meal that ends with the last row: the values as shown, summed upwards
// to the meal's first row (the one with a caption).
void AppendMealTotal(std::vector<TRacRow>& rows) {
    TRacRow total{QString(),
                  {QString(), kMealTotalText, QStringLiteral("0"), QStringLiteral("0"),
                   QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
                  0};
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        total.sub[2] = FormatGeneral(StrToFloat(total.sub[2]) + StrToFloat(r->sub[2]));
        for (int k = 3; k <= 6; ++k)
            total.sub[k] = FormatOneDecimal(StrToFloat(total.sub[k]) + StrToFloat(r->sub[k]));
        if (!r->caption.isEmpty())
            break;
    }
    rows.push_back(std::move(total));
}

// The day's sums in grams, held as text and rounded to one decimal after every entry.
TRacRow DaySums(const TArraySave& ration) {
    TRacRow sums{QString(),
                 {QString(), QString(), QStringLiteral("0"), QStringLiteral("0"),
                  QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
                 0};
    for (const TRacionItem& e : ration) {
        sums.sub[2] = FormatWholeGrams(sums.sub[2].toLongLong() + e.g);
        const double values[] = {e.kkal, e.bel, e.zir, e.ugl};
        for (int k = 3; k <= 6; ++k)
            sums.sub[k] = FormatOneDecimal(StrToFloat(sums.sub[k]) + values[k - 3]);
    }
    return sums;
}

} // namespace

std::optional<QString> TStoreRacLookups::ProductName(int idProd) {
    return FirstName(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=:id_prod"),
                     idProd);
}

std::optional<QString> TStoreRacLookups::MeasureName(int idMif) {
    return FirstName(QStringLiteral("SELECT naim_mera FROM tab_mera WHERE id_mif=:id_prod"), idMif);
}

TRacTable BuildRacTable(const TArraySave& ration, const TRacViewOptions& options,
                        TRacLookups& lookups) {
    TRacTable table;
    QString previous = kNoMealYet;
    for (int i = 0; i < int(ration.size()); ++i) {
        const TRacionItem& e = ration[std::size_t(i)];
        const QString time = FormatHHmm(e.vremy);
        TRacRow row;
        if (time != previous) {
            if (previous != kNoMealYet && options.subtotals)
                AppendMealTotal(table.rows);
            previous = time;
            row.caption = time;
        }
        row.data = i;
        row.sub =
            QStringList{ProductText(e, lookups),  PortionText(e, lookups), FormatWholeGrams(e.g),
                        FormatOneDecimal(e.kkal), FormatOneDecimal(e.bel), FormatOneDecimal(e.zir),
                        FormatOneDecimal(e.ugl)};
        table.rows.push_back(std::move(row));
    }
    if (table.rows.empty())
        return table;
    if (options.subtotals)
        AppendMealTotal(table.rows);
    TRacRow dayTotal{QString(),
                     {QString(), kDayTotalText, QStringLiteral("0"), QStringLiteral("0"),
                      QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")},
                     0};
    const TRacRow sums = DaySums(ration);
    FillDayTotal(dayTotal, sums, options.percent);
    table.itog = {std::move(dayTotal), sums};
    return table;
}

void FillDayTotal(TRacRow& dayTotal, const TRacRow& sums, bool percent) {
    dayTotal.sub[2] = sums.sub[2];
    dayTotal.sub[3] = sums.sub[3];
    if (!percent) {
        for (int k = 4; k <= 6; ++k)
            dayTotal.sub[k] = sums.sub[k];
        return;
    }
    const double bel = StrToFloat(sums.sub[4]);
    const double zir = StrToFloat(sums.sub[5]);
    const double ugl = StrToFloat(sums.sub[6]);
    const double energy = NutrientEnergy(bel, zir, ugl);
    if (energy == 0) {
        const QString zero = QStringLiteral("0") + DecimalSeparator() + QStringLiteral("0");
        for (int k = 4; k <= 6; ++k)
            dayTotal.sub[k] = zero;
        return;
    }
    dayTotal.sub[4] = FormatOneDecimal(ProteinShare(bel, energy));
    dayTotal.sub[5] = FormatOneDecimal(FatShare(zir, energy));
    // The remainder, but never below zero: protein and fat shares that both round up can
    // pass 100 when there are no carbohydrates.
    const double rest = 100 - StrToFloat(dayTotal.sub[4]) - StrToFloat(dayTotal.sub[5]);
    dayTotal.sub[6] = FormatOneDecimal(std::max(rest, 0.0));
}
