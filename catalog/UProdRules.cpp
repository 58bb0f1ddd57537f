#include "catalog/UProdRules.h"

#include "app/UErrors.h"
#include "app/UFormat.h"

namespace {

bool IsDecimalMark(QChar ch) {
    return ch == QLatin1Char('.') || ch == QLatin1Char(',');
}

bool IsDigitOrBackspace(QChar ch) {
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('\b');
}

QChar SeparatorUnlessPresent(const QString& text) {
    const QChar sep = DecimalSeparator();
    return text.contains(sep) ? QChar() : sep;
}

} // namespace

QChar DecimalFieldChar(QChar ch, const QString& text) {
    if (IsDecimalMark(ch) || ch == DecimalSeparator())
        return SeparatorUnlessPresent(text);
    if (ch == QLatin1Char('-') || ch == QLatin1Char('+'))
        return QChar();
    return ch;
}

QChar KcalFieldChar(QChar ch, const QString& text) {
    if (IsDigitOrBackspace(ch))
        return ch;
    if (IsDecimalMark(ch) || ch == DecimalSeparator())
        return SeparatorUnlessPresent(text);
    return QChar();
}

QChar GramsFieldChar(QChar ch) {
    return IsDigitOrBackspace(ch) ? ch : QChar();
}

bool CutToOneDecimal(QString& text) {
    const int sep = text.indexOf(DecimalSeparator());
    if (sep < 0 || text.size() - sep - 1 <= 1)
        return false;
    text.truncate(sep + 2);
    return true;
}

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
