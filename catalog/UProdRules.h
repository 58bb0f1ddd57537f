#pragma once
// The arithmetic of measures: a measure's energy follows from its weight and the product's
// energy per 100 g, and back.

#include <QString>

// The energy of a measure of the typed weight, with one decimal.
QString MeasureKcalText(const QString& gramsText, double kkalPer100);
// The weight of a measure of the typed energy, in whole grams (halves to the even neighbour).
// A weight beyond the grams column is refused, naming the typed energy.
QString MeasureGramsText(const QString& kcalText, double kkalPer100);

// An unknown product energy derived from one measure: kcal per gram. Raises an error for a
// measure of 0 g, whose energy says nothing about a gram.
double EnergyPerGram(double kcal, int grams);
// A measure's and the product's energy from the energy per gram, rounded to one decimal.
// The typed energy is named when the result is not a number.
double DerivedMeasureKcal(int grams, double perGram, const QString& typed);
double DerivedProductKcal(double perGram, const QString& typed);
