#pragma once
// The arithmetic of measures: a measure's energy follows from its weight and the product's
// energy per 100 g, and back.

#include <QString>

// The energy of a measure of the given weight, with one decimal.
QString MeasureKcalText(int grams, double kkalPer100);
// The weight of a measure of the given energy, in whole grams (halves to the even neighbour).
QString MeasureGramsText(double kcal, double kkalPer100);

// An unknown product energy derived from one measure: kcal per gram. Raises an error for a
// measure of 0 g, whose energy says nothing about a gram.
double EnergyPerGram(double kcal, int grams);
// A measure's and the product's energy from the energy per gram, rounded to one decimal.
double DerivedMeasureKcal(int grams, double perGram);
double DerivedProductKcal(double perGram);
