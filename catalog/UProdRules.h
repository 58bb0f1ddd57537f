#pragma once
// Typing rules of the catalog's number fields and the arithmetic of measures: a measure's
// energy follows from its weight and the product's energy per 100 g, and back.

#include <QChar>
#include <QString>

// A character typed into a decimal field of the product dialog: a point or a comma becomes the
// locale's separator, or is refused (the null character) when the text already holds one; a
// sign is refused; anything else is left to the field.
QChar DecimalFieldChar(QChar ch, const QString& text);
// The kcal field of the measures dialog: digits and Backspace pass, a point or a comma as
// above, every other character is refused.
QChar KcalFieldChar(QChar ch, const QString& text);
// A whole number of grams: digits and Backspace pass, every other character is refused.
QChar GramsFieldChar(QChar ch);
// Cuts the text after the first character behind the decimal separator (no rounding);
// true when something was cut.
bool CutToOneDecimal(QString& text);

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
