#include "ration/URacionTable.h"

const QString kMealTotalText = QStringLiteral("Итого за прием:");
const QString kDayTotalText = QStringLiteral("Итого за день:");

std::optional<QString> TStoreRacLookups::ProductName(int) {
    return std::nullopt;
}

std::optional<QString> TStoreRacLookups::MeasureName(int) {
    return std::nullopt;
}

TRacTable BuildRacTable(const TArraySave&, const TRacViewOptions&, TRacLookups&) {
    return {};
}

void FillDayTotal(TRacRow&, const TRacRow&, bool) {}
