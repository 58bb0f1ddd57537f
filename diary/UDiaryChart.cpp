#include "diary/UDiaryChart.h"

#include <algorithm>
#include <cmath>

namespace {

// Dates under the axis: at most this many, the last one today.
constexpr int kMostDateMarks = 8;

// A round step for an axis over the span, so that it has at most about seven ticks.
double AxisStep(double span) {
    for (double step : {1.0, 2.0, 5.0, 10.0, 100.0, 250.0, 500.0, 1000.0, 2000.0})
        if (span / step <= 6)
            return step;
    return 5000;
}

} // namespace

TDiaryChart DiaryChart(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                       const std::vector<TWeight>& weights, std::optional<double> normKkal) {
    TDiaryChart chart;
    chart.first = FirstDayOf(period, days, weights);
    const int count = int(chart.first.daysTo(period.to)) + 1;
    chart.kkal.assign(std::size_t(std::max(count, 0)), 0);
    chart.norm = normKkal;

    const std::vector<double> means = SevenDayMeans(days);
    double highest = normKkal.value_or(0);
    int previous = -2;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const int day = int(chart.first.daysTo(days[i].date));
        if (day < 0 || day >= count)
            continue;
        chart.kkal[std::size_t(day)] = days[i].kkal;
        highest = std::max({highest, days[i].kkal, means[i]});
        if (day != previous + 1)
            chart.means.emplace_back();
        chart.means.back().emplace_back(day, means[i]);
        previous = day;
    }
    const double kkalStep = AxisStep(std::max(highest * 1.1, 500.0));
    chart.kkalTop = std::ceil(std::max(highest * 1.1, 500.0) / kkalStep) * kkalStep;
    chart.kkalTicks = int(chart.kkalTop / kkalStep) + 1;

    for (const TWeight& w : weights) {
        const int day = int(chart.first.daysTo(w.date));
        if (day >= 0 && day < count)
            chart.weights.emplace_back(day, w.ves);
    }
    if (!chart.weights.empty()) {
        const auto [low, high] =
            std::minmax_element(chart.weights.begin(), chart.weights.end(),
                                [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
        const double vesStep = AxisStep(high->y() - low->y() + 2);
        chart.vesLow = std::floor((low->y() - 1) / vesStep) * vesStep;
        chart.vesTop = std::ceil((high->y() + 1) / vesStep) * vesStep;
        chart.vesTicks = int(std::lround((chart.vesTop - chart.vesLow) / vesStep)) + 1;
    }

    const int step = std::max(1, (count + kMostDateMarks - 1) / kMostDateMarks);
    const QString format = count > 366 ? QStringLiteral("dd.MM.yy") : QStringLiteral("dd.MM");
    for (int day = count - 1; day >= 0; day -= step)
        chart.dates.push_back({day, chart.first.addDays(day).toString(format)});
    std::reverse(chart.dates.begin(), chart.dates.end());
    return chart;
}
