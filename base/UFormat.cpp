#include "base/UFormat.h"

#include "base/UErrors.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

// The value's decimal digits (15 significant) and the position of the decimal point in them.
struct TDecimal {
    std::string digits;
    int pointPos = 0;
};

TDecimal DecimalOf(double absValue) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, absValue, std::chars_format::scientific, 14);
    std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    TDecimal d;
    d.digits = text.substr(0, 1) + text.substr(2, ePos - 2);
    d.pointPos = std::stoi(text.substr(ePos + 1)) + 1;
    return d;
}

QString WithSeparator(std::string text) {
    QString result = QString::fromLatin1(text.data(), int(text.size()));
    result.replace(QLatin1Char('.'), DecimalSeparator());
    return result;
}

EConvertError TooLarge(const QString& typed) {
    return EConvertError(QStringLiteral("«%1» — слишком большое число").arg(typed));
}

// The whole days since day zero and the milliseconds into the last of them.
struct TDayAndTime {
    long long days;
    int ms;
};

TDayAndTime SplitDateTime(TDateTime value) {
    const double dayPart = std::floor(value);
    long long ms = std::llround((value - dayPart) * kMsPerDay);
    long long days = static_cast<long long>(dayPart);
    if (ms >= static_cast<long long>(kMsPerDay)) {
        ms = 0;
        ++days;
    }
    return {days, int(ms)};
}

QString NonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// Whether a whole number fits a 32-bit column; a value that is not a number does not.
bool FitsInt(double rounded) {
    return rounded >= double(INT_MIN) && rounded <= double(INT_MAX);
}

} // namespace

QChar DecimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

QString FormatFixed(double value, int precision) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    TDecimal d = DecimalOf(std::fabs(value));
    if (d.pointPos < 0) {
        d.digits.insert(0, std::string(-d.pointPos, '0'));
        d.pointPos = 0;
    }
    const std::size_t keep = std::size_t(d.pointPos + precision);
    if (keep >= d.digits.size()) {
        d.digits.append(keep - d.digits.size(), '0');
    } else {
        const bool up = d.digits[keep] >= '5';
        d.digits.resize(keep);
        if (up) {
            int i = int(keep) - 1;
            for (; i >= 0 && d.digits[std::size_t(i)] == '9'; --i)
                d.digits[std::size_t(i)] = '0';
            if (i >= 0) {
                ++d.digits[std::size_t(i)];
            } else {
                d.digits.insert(0, "1");
                ++d.pointPos;
            }
        }
    }
    std::string intPart = d.digits.substr(0, std::size_t(d.pointPos));
    const std::string fracPart = d.digits.substr(std::size_t(d.pointPos));
    const auto firstNonZero = intPart.find_first_not_of('0');
    intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
    std::string text = intPart;
    if (precision > 0)
        text += "." + fracPart;
    const bool anyDigit = d.digits.find_first_not_of('0') != std::string::npos;
    if (value < 0 && anyDigit)
        text.insert(0, "-");
    return WithSeparator(text);
}

QString FormatGeneral(double value) {
    if (!std::isfinite(value))
        return NonFiniteText(value);
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
    std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    if (ePos != std::string::npos) {
        // 1e-05 is written 1E-5, 1e+20 is written 1E20.
        std::string mantissa = text.substr(0, ePos);
        int exponent = std::stoi(text.substr(ePos + 1));
        text = mantissa + "E" + std::to_string(exponent);
    }
    return WithSeparator(text);
}

QString FormatWholeGrams(long long grams) {
    return QString::number(grams);
}

long long RoundHalfEven(double value) {
    return static_cast<long long>(std::nearbyint(value));
}

int RoundToInt(double value, const QString& typed) {
    const double rounded = std::nearbyint(value);
    if (!FitsInt(rounded))
        throw TooLarge(typed);
    return int(rounded);
}

int RoundToInt(double value) {
    const double rounded = std::nearbyint(value);
    if (!FitsInt(rounded))
        throw TooLarge(FormatGeneral(value));
    return int(rounded);
}

double FiniteResult(double value, const QString& typed) {
    if (!std::isfinite(value))
        throw EConvertError(QStringLiteral("«%1» — результат слишком велик").arg(typed));
    return value;
}

double RoundedTo(double value, int precision) {
    return StrToFloat(FormatFixed(value, precision));
}

bool TryStrToFloat(const QString& text, double& value) {
    const QString trimmed = text.trimmed();
    const QChar sep = DecimalSeparator();
    std::string s;
    s.reserve(std::size_t(trimmed.size()));
    bool digits = false;
    bool point = false;
    bool exponent = false;
    bool expDigits = false;
    for (int i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            (exponent ? expDigits : digits) = true;
            s += char(c.unicode());
        } else if ((c == sep || c == QLatin1Char('.') || c == QLatin1Char(',')) && !point &&
                   !exponent) {
            point = true;
            s += '.';
        } else if ((c == QLatin1Char('e') || c == QLatin1Char('E')) && digits && !exponent) {
            exponent = true;
            s += 'e';
        } else if ((c == QLatin1Char('+') || c == QLatin1Char('-')) &&
                   (i == 0 || (exponent && s.back() == 'e'))) {
            if (c == QLatin1Char('-'))
                s += '-';
        } else {
            return false;
        }
    }
    if (!digits || (exponent && !expDigits))
        return false;
    double parsed = 0;
    const auto res = std::from_chars(s.data(), s.data() + s.size(), parsed);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

double StrToFloat(const QString& text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("«%1» — не число").arg(text));
    return value;
}

bool TryStrToInt(const QString& text, int& value) {
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

int StrToInt(const QString& text) {
    int value = 0;
    if (TryStrToInt(text, value))
        return value;
    static const QRegularExpression wholeNumber(QStringLiteral("^[+-]?[0-9]+$"));
    if (wholeNumber.match(text.trimmed()).hasMatch())
        throw TooLarge(text);
    throw EConvertError(QStringLiteral("«%1» — не целое число").arg(text));
}

bool IsBelowZero(const QString& text) {
    double value = 0;
    return TryStrToFloat(text, value) && value < 0;
}

QString BelowZeroMessage(const QString& field) {
    return QStringLiteral("Число в поле «%1» не может быть меньше 0").arg(field);
}

double NutrientEnergy(double bel, double zir, double ugl) {
    return 4.1 * bel + 9.3 * zir + 4.1 * ugl;
}

TDateTime QDateTimeToDateTime(const QDateTime& dt) {
    const double days = double(kDayZero.daysTo(dt.date()));
    return days + double(dt.time().msecsSinceStartOfDay()) / kMsPerDay;
}

QDateTime DateTimeToQDateTime(TDateTime value) {
    const TDayAndTime split = SplitDateTime(value);
    return QDateTime(kDayZero.addDays(split.days), QTime::fromMSecsSinceStartOfDay(split.ms));
}

TDateTime NowDateTime() {
    return QDateTimeToDateTime(QDateTime::currentDateTime());
}

QString FormatHHmm(TDateTime value) {
    // The time of day alone: no local date and time to look up the time zone for.
    return QTime::fromMSecsSinceStartOfDay(SplitDateTime(value).ms)
        .toString(QStringLiteral("HH:mm"));
}

TDateTime TimeOfDayHHmm00(const QTime& time) {
    const QString text = time.toString(QStringLiteral("HH:mm:00"));
    const QTime back = QTime::fromString(text, QStringLiteral("HH:mm:ss"));
    return double(back.msecsSinceStartOfDay()) / kMsPerDay;
}

QString FormatDdMmYy(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yy"));
}

int CentredOffset(int refPos, int refSize, int ownSize) {
    return refPos + int(RoundHalfEven((refSize - ownSize) / 2.0));
}
