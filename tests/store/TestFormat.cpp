// The number, time and centring rules under a comma locale and a point locale.

#include "base/UErrors.h"
#include "base/UFormat.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "ui/UKeyFilters.h"

#include <QTest>

class TestFormat : public QObject {
    Q_OBJECT
private slots:
    void FixedFormatsRoundTheDecimalFormHalfAwayFromZero() {
        TLocaleScope comma(TLocaleScope::Comma());
        QCOMPARE(FormatOneDecimal(12.25), QStringLiteral("12,3"));
        QCOMPARE(FormatOneDecimal(0.15), QStringLiteral("0,2"));
        QCOMPARE(FormatFixed(2.675, 2), QStringLiteral("2,68"));
        QCOMPARE(FormatOneDecimal(-0.05), QStringLiteral("-0,1"));
        QCOMPARE(FormatOneDecimal(150), QStringLiteral("150,0"));
        QCOMPARE(FormatOneDecimal(0), QStringLiteral("0,0"));
        QCOMPARE(FormatOneDecimal(9.96), QStringLiteral("10,0"));
        QCOMPARE(FormatOneDecimal(0.04), QStringLiteral("0,0"));
        QCOMPARE(FormatOneDecimal(-0.04), QStringLiteral("0,0"));
        QCOMPARE(FormatOneDecimal(1234567.85), QStringLiteral("1234567,9"));
        QCOMPARE(FormatFixed(1.02875, 2), QStringLiteral("1,03"));
        QCOMPARE(RoundedTo(0.0418, 2), 0.04);
        TLocaleScope point(TLocaleScope::Point());
        QCOMPARE(FormatOneDecimal(52), QStringLiteral("52.0"));
        QCOMPARE(FormatOneDecimal(31.89), QStringLiteral("31.9"));
    }

    void GeneralFormatAndWholeNumbers() {
        TLocaleScope comma(TLocaleScope::Comma());
        QCOMPARE(FormatGeneral(2), QStringLiteral("2"));
        QCOMPARE(FormatGeneral(1.5), QStringLiteral("1,5"));
        QCOMPARE(FormatGeneral(0.25), QStringLiteral("0,25"));
        QCOMPARE(FormatGeneral(0.1 + 0.2), QStringLiteral("0,3"));
        QCOMPARE(FormatWholeGrams(150), QStringLiteral("150"));
        QCOMPARE(RoundHalfEven(2.5), 2LL);
        QCOMPARE(RoundHalfEven(37.5), 38LL);
        QCOMPARE(RoundHalfEven(0.5 * 5), 2LL);
        QCOMPARE(RoundHalfEven(1.5 * 25), 38LL);
        QCOMPARE(RoundHalfEven(-2.5), -2LL);
    }

    void TypedNumbersTakeEitherSeparator() {
        for (const QLocale& locale : {TLocaleScope::Comma(), TLocaleScope::Point()}) {
            TLocaleScope scope(locale);
            QCOMPARE(StrToFloat(QStringLiteral("1,5")), 1.5);
            QCOMPARE(StrToFloat(QStringLiteral("1.5")), 1.5);
            QCOMPARE(StrToFloat(QStringLiteral(" 12 ")), 12.0);
            QCOMPARE(StrToFloat(QStringLiteral("1E3")), 1000.0);
            QCOMPARE(StrToFloat(QStringLiteral(",5")), 0.5);
            for (const char* bad : {"", "E", "1E", "1,2,3", "abc", "1-2"}) {
                double value = 0;
                QVERIFY2(!TryStrToFloat(QString::fromLatin1(bad), value), bad);
            }
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToFloat(QStringLiteral("E")));
            QCOMPARE(StrToInt(QStringLiteral("250")), 250);
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(QStringLiteral("12,5")));
            QVERIFY_THROWS_EXCEPTION(EConvertError, StrToInt(QString()));
        }
    }

    void EnergySharesAndTimes() {
        const double k = NutrientEnergy(37, 15, 45);
        QVERIFY(qAbs(k - 475.7) < 1e-9);
        QVERIFY(qAbs(ProteinShare(37, k) - 31.89) < 0.01);
        QVERIFY(qAbs(FatShare(15, k) - 29.33) < 0.01);
        QCOMPARE(FormatHHmm((7 * 3600 + 59 * 60 + 59.9999) / 86400.0), QStringLiteral("08:00"));
        QCOMPARE(FormatHHmm(45000.5), QStringLiteral("12:00"));
        const TDateTime t = TimeOfDayHHmm00(QTime(13, 30, 42, 500));
        QCOMPARE(t, (13 * 60 + 30) / 1440.0);
        QCOMPARE(FormatDdMmYy(QDate(2026, 3, 7)), QStringLiteral("07.03.26"));
        const QDateTime back =
            DateTimeToQDateTime(QDateTimeToDateTime(QDateTime(QDate(2026, 12, 9), QTime(8, 15))));
        QCOMPARE(back, QDateTime(QDate(2026, 12, 9), QTime(8, 15)));
    }

    void KeyFiltersKeepEditingKeysAndOneSeparator() {
        TLocaleScope comma(TLocaleScope::Comma());
        for (const char c : {'\b', '\t', '\x1b'}) {
            QCOMPARE(DigitChar(QLatin1Char(c)), QChar(QLatin1Char(c)));
            QCOMPARE(AmountChar(QLatin1Char(c), QString()), QChar(QLatin1Char(c)));
        }
        QCOMPARE(DigitChar(QLatin1Char('\r')), QChar());
        QCOMPARE(DigitChar(QLatin1Char('7')), QChar(QLatin1Char('7')));
        QCOMPARE(DigitChar(QLatin1Char(',')), QChar());
        QCOMPARE(AmountChar(QLatin1Char('.'), QStringLiteral("1")), QChar(QLatin1Char(',')));
        QCOMPARE(AmountChar(QLatin1Char(','), QStringLiteral("1,5")), QChar());
        QCOMPARE(AmountChar(QChar(0x0436), QString()), QChar());
        QCOMPARE(DecimalFieldChar(QLatin1Char('-'), QString()), QChar());
        QCOMPARE(DecimalFieldChar(QLatin1Char('E'), QString()), QChar(QLatin1Char('E')));
        QString text = QStringLiteral("12,345");
        QVERIFY(CutToOneDecimal(text));
        QCOMPARE(text, QStringLiteral("12,3"));
        QVERIFY(!CutToOneDecimal(text));
    }

    void CentringRoundsHalvesToEven() {
        QCOMPARE(CentredOffset(100, 400, 289), 100 + 56); // 55.5 rounds to 56
        QCOMPARE(CentredOffset(100, 401, 290), 100 + 56); // 55.5 rounds to 56
        QCOMPARE(CentredOffset(100, 400, 291), 100 + 54); // 54.5 rounds to 54
        QCOMPARE(CentredOffset(10, 200, 300), 10 - 50);   // a narrower reference
    }
};

EDOMER_TEST(TestFormat)
#include "TestFormat.moc"
