#include "catalog/UProdRules.h"

#include "base/UErrors.h"
#include "base/UFormat.h"

QString MeasureKcalText(const QString& gramsText, double kkalPer100) {
    return FormatOneDecimal(FiniteResult(StrToInt(gramsText) * kkalPer100 / 100, gramsText));
}

QString MeasureGramsText(const QString& kcalText, double kkalPer100) {
    return FormatWholeGrams(RoundToInt(StrToFloat(kcalText) * 100 / kkalPer100, kcalText));
}

double EnergyPerGram(double kcal, int grams) {
    if (grams == 0)
        throw EAppError(QStringLiteral("Деление на ноль"));
    return kcal / grams;
}

double DerivedMeasureKcal(int grams, double perGram, const QString& typed) {
    return RoundedTo(FiniteResult(grams * perGram, typed), 1);
}

double DerivedProductKcal(double perGram, const QString& typed) {
    return RoundedTo(FiniteResult(perGram * 100, typed), 1);
}
