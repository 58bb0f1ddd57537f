#pragma once
// What a number field lets through of the characters typed into it. A filter returns the
// character to insert, possibly replaced, or the null character to drop it. Keys that type
// nothing (Backspace, Tab, Escape) always pass, so editing and moving between fields work.

#include <QChar>
#include <QString>

// Digits only: whole grams.
QChar DigitChar(QChar ch);
// Digits and one decimal separator, for which a point or a comma stands.
QChar AmountChar(QChar ch, const QString& text);
// The product dialog's number fields: a point or a comma becomes the separator (dropped when
// the text holds one already), a sign is dropped; anything else is left to the field.
QChar DecimalFieldChar(QChar ch, const QString& text);
// Cuts the text after the first character behind the decimal separator (no rounding);
// true when something was cut.
bool CutToOneDecimal(QString& text);
