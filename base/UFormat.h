#pragma once
// Number, time and placement rules shared by every window and report.
// All number texts use the decimal separator of the user's locale (QLocale()).

#include <QDate>
#include <QString>
#include <QTime>

// A date-time as a day count since 1899-12-30, the time of day as the fraction.
using TDateTime = double;

QChar DecimalSeparator();

// "%*.*f" with width 0 and the given precision: the value's 15-significant-digit decimal
// form rounded half away from zero ("%0.1f" and "%.1f" mean the same with precision 1).
QString FormatFixed(double value, int precision);
inline QString FormatOneDecimal(double value) {
    return FormatFixed(value, 1);
}

// The shortest general text with up to 15 significant digits: 2, 1,5, 0,25.
QString FormatGeneral(double value);

// Whole grams: the integer in decimal.
QString FormatWholeGrams(long long grams);

// To the nearest whole number, an exact half to the even neighbour.
long long RoundHalfEven(double value);
// The same rounding for a 32-bit column: a value that is not finite or does not fit raises
// EConvertError naming the text the user typed.
int RoundToInt(double value, const QString& typed);
// The same for a stored value: the message names the value itself, whose text is made only
// when it does not fit.
int RoundToInt(double value);
// A computed value that is not finite raises EConvertError naming the text the user typed.
double FiniteResult(double value, const QString& typed);

// A formatted value read back as a number ("%*.*f" with the precision, then read).
double RoundedTo(double value, int precision);

// Typed numbers: blanks around are ignored; the locale separator, a point or a comma all
// mark the decimals. Failure raises EConvertError with a Russian message; a whole number
// beyond the 32-bit range is reported as too large.
bool TryStrToFloat(const QString& text, double& value);
double StrToFloat(const QString& text);
bool TryStrToInt(const QString& text, int& value);
int StrToInt(const QString& text);

// A typed amount below zero (pasted text goes round the key filters), and the notice for it.
bool IsBelowZero(const QString& text);
QString BelowZeroMessage(const QString& field);

// The energy carried by protein, fat and carbohydrates, and their shares in percent.
double NutrientEnergy(double bel, double zir, double ugl);
inline double ProteinShare(double bel, double energy) {
    return bel * 410 / energy;
}
inline double FatShare(double zir, double energy) {
    return zir * 930 / energy;
}

// Date-times.
TDateTime NowDateTime();
TDateTime QDateTimeToDateTime(const QDateTime& dt);
QDateTime DateTimeToQDateTime(TDateTime value);
QString FormatHHmm(TDateTime value);
// The time of a picker written "HH:mm:00" and read back as a time of day (no date part).
TDateTime TimeOfDayHHmm00(const QTime& time);
QString FormatDdMmYy(const QDate& date);

// Centring over a reference: ref + round((refSize - ownSize) / 2), halves to even.
int CentredOffset(int refPos, int refSize, int ownSize);
