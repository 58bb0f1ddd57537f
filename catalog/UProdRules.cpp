#include "catalog/UProdRules.h"

#include "base/UErrors.h"
#include "base/UFormat.h"

QString MeasureKcalText(int grams, double kkalPer100) {
    return FormatOneDecimal(grams * kkalPer100 / 100);
}

QString MeasureGramsText(double kcal, double kkalPer100) {
    return FormatWholeGrams(RoundHalfEven(kcal * 100 / kkalPer100));
}

double EnergyPerGram(double kcal, int grams) {
    if (grams == 0)
        throw EAppError(QStringLiteral("Деление на ноль"));
    return kcal / grams;
}

double DerivedMeasureKcal(int grams, double perGram) {
    return RoundedTo(grams * perGram, 1);
}

double DerivedProductKcal(double perGram) {
    return RoundedTo(perGram * 100, 1);
}
