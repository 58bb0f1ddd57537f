#include "ui/UKeyFilters.h"

#include "base/UFormat.h"

namespace {

bool IsDecimalMark(QChar ch) {
    return ch == QLatin1Char('.') || ch == QLatin1Char(',') || ch == DecimalSeparator();
}

bool IsDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

bool TypesNothing(QChar ch) {
    return ch.category() == QChar::Other_Control && ch != QLatin1Char('\r') &&
           ch != QLatin1Char('\n');
}

QChar SeparatorUnlessPresent(const QString& text) {
    const QChar sep = DecimalSeparator();
    return text.contains(sep) ? QChar() : sep;
}

} // namespace

QChar DigitChar(QChar ch) {
    return IsDigit(ch) || TypesNothing(ch) ? ch : QChar();
}

QChar AmountChar(QChar ch, const QString& text) {
    if (IsDecimalMark(ch))
        return SeparatorUnlessPresent(text);
    return DigitChar(ch);
}

QChar DecimalFieldChar(QChar ch, const QString& text) {
    if (IsDecimalMark(ch))
        return SeparatorUnlessPresent(text);
    if (ch == QLatin1Char('-') || ch == QLatin1Char('+'))
        return QChar();
    return ch;
}

bool CutToOneDecimal(QString& text) {
    const int sep = int(text.indexOf(DecimalSeparator()));
    if (sep < 0 || text.size() - sep - 1 <= 1)
        return false;
    text.truncate(sep + 2);
    return true;
}
