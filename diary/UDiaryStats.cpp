#include "diary/UDiaryStats.h"

#include "base/UFormat.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <map>

const QStringList kPeriodItems = {QStringLiteral("7 дней"), QStringLiteral("30 дней"),
                                  QStringLiteral("90 дней"), QStringLiteral("365 дней"),
                                  QStringLiteral("всё время")};

namespace {

const int kPeriodDays[] = {7, 30, 90, 365};

// The energy of a kilogram of body mass, and what an estimate needs.
constexpr double kKkalPerKg = 7700;
constexpr int kMinDays = 14;
constexpr qint64 kMinWeightSpan = 14;

const QString kWeekDays[] = {QStringLiteral("пн"), QStringLiteral("вт"), QStringLiteral("ср"),
                             QStringLiteral("чт"), QStringLiteral("пт"), QStringLiteral("сб"),
                             QStringLiteral("вс")};

struct TMeans {
    double kkal = 0, bel = 0, zir = 0, ugl = 0;
};

TMeans MeanOf(const std::vector<TDiaryDay>& days) {
    TMeans m;
    for (const TDiaryDay& d : days) {
        m.kkal += d.kkal;
        m.bel += d.bel;
        m.zir += d.zir;
        m.ugl += d.ugl;
    }
    const double n = double(days.size());
    return {m.kkal / n, m.bel / n, m.zir / n, m.ugl / n};
}

QString NormPercent(double kkal, std::optional<double> normKkal) {
    if (!normKkal || *normKkal <= 0)
        return QString();
    return FormatWholeGrams(RoundHalfEven(kkal * 100 / *normKkal));
}

// The figures of a day, or of the mean row, from "ккал" to "% нормы".
QStringList Figures(const TMeans& m, std::optional<double> normKkal) {
    return {FormatOneDecimal(m.kkal), FormatOneDecimal(m.bel), FormatOneDecimal(m.zir),
            FormatOneDecimal(m.ugl), NormPercent(m.kkal, normKkal)};
}

// The listed dates newest first, each with its day and its weight where there are.
struct TListed {
    const TDiaryDay* day = nullptr;
    const TWeight* weight = nullptr;
};

std::map<QDate, TListed, std::greater<QDate>> Listed(const std::vector<TDiaryDay>& days,
                                                     const std::vector<TWeight>& weights) {
    std::map<QDate, TListed, std::greater<QDate>> listed;
    for (const TDiaryDay& d : days)
        listed[d.date].day = &d;
    for (const TWeight& w : weights)
        listed[w.date].weight = &w;
    return listed;
}

} // namespace

QString WeekDayName(const QDate& date) {
    return kWeekDays[date.dayOfWeek() - 1];
}

TDiaryPeriod PeriodOfItem(int item, const QDate& today) {
    if (item < 0 || item >= int(std::size(kPeriodDays)))
        return {QDate(), today};
    return {today.addDays(1 - kPeriodDays[item]), today};
}

std::vector<double> SevenDayMeans(const std::vector<TDiaryDay>& days) {
    std::vector<double> means;
    means.reserve(days.size());
    size_t first = 0;
    double sum = 0;
    for (const TDiaryDay& d : days) {
        sum += d.kkal;
        while (days[first].date.daysTo(d.date) >= 7)
            sum -= days[first++].kkal;
        means.push_back(sum / double(&d - &days[first] + 1));
    }
    return means;
}

std::vector<QStringList> DiaryRows(const std::vector<TDiaryDay>& days,
                                   const std::vector<TWeight>& weights,
                                   std::optional<double> normKkal) {
    std::vector<QStringList> rows;
    const auto listed = Listed(days, weights);
    if (listed.empty())
        return rows;
    rows.reserve(listed.size() + 1);
    for (const auto& [date, item] : listed) {
        QStringList row = {FormatDdMmYy(date), WeekDayName(date)};
        if (item.day)
            row += Figures({item.day->kkal, item.day->bel, item.day->zir, item.day->ugl}, normKkal);
        else
            row += QStringList(5);
        row.append(item.weight ? FormatOneDecimal(item.weight->ves) : QString());
        rows.push_back(row);
    }
    QStringList mean = {QStringLiteral("В среднем:"), QString()};
    mean += days.empty() ? QStringList(5) : Figures(MeanOf(days), normKkal);
    const std::optional<double> ves = MeanWeight(weights);
    mean.append(ves ? FormatOneDecimal(*ves) : QString());
    rows.push_back(mean);
    return rows;
}

std::vector<int> DiaryRowRations(const std::vector<TDiaryDay>& days,
                                 const std::vector<TWeight>& weights) {
    std::vector<int> ids;
    const auto listed = Listed(days, weights);
    if (listed.empty())
        return ids;
    for (const auto& [date, item] : listed)
        ids.push_back(item.day ? item.day->id_rac : 0);
    ids.push_back(0);
    return ids;
}

std::optional<double> MeanWeight(const std::vector<TWeight>& weights) {
    if (weights.empty())
        return std::nullopt;
    double sum = 0;
    for (const TWeight& w : weights)
        sum += w.ves;
    return sum / double(weights.size());
}

std::optional<long long> ExpenditureEstimate(const std::vector<TDiaryDay>& days,
                                             const std::vector<TWeight>& weights) {
    if (int(days.size()) < kMinDays || weights.size() < 2 ||
        weights.front().date.daysTo(weights.back().date) < kMinWeightSpan)
        return std::nullopt;
    // Least squares of the weight against the day number, counted from the first weight.
    const QDate origin = weights.front().date;
    double sx = 0, sy = 0;
    for (const TWeight& w : weights) {
        sx += double(origin.daysTo(w.date));
        sy += w.ves;
    }
    const double n = double(weights.size());
    const double mx = sx / n, my = sy / n;
    double sxy = 0, sxx = 0;
    for (const TWeight& w : weights) {
        const double dx = double(origin.daysTo(w.date)) - mx;
        sxy += dx * (w.ves - my);
        sxx += dx * dx;
    }
    const double slope = sxy / sxx;
    return RoundHalfEven(MeanOf(days).kkal - kKkalPerKg * slope);
}

QString ExpenditureText(const std::vector<TDiaryDay>& days, const std::vector<TWeight>& weights,
                        std::optional<double> normKkal) {
    const std::optional<long long> estimate = ExpenditureEstimate(days, weights);
    if (!estimate)
        return QStringLiteral("Для оценки расхода нужно не меньше 14 дней с рационом и два "
                              "взвешивания с промежутком от 14 дней");
    QString text =
        QStringLiteral("Расход по дневнику: около %1 ккал в день").arg(FormatWholeGrams(*estimate));
    if (normKkal && *normKkal > 0)
        text += QStringLiteral(" (норма %1 ккал)").arg(FormatWholeGrams(RoundHalfEven(*normKkal)));
    return text;
}

QDate FirstDayOf(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                 const std::vector<TWeight>& weights) {
    if (period.from.isValid())
        return period.from;
    QDate first = period.to;
    if (!days.empty())
        first = std::min(first, days.front().date);
    if (!weights.empty())
        first = std::min(first, weights.front().date);
    return first;
}
