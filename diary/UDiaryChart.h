#pragma once
// What the diary's chart draws, as numbers over the calendar days of the period: day 0 is the
// first day shown, one column per day (zero where the day is unknown), the 7-day mean in runs
// of consecutive days with a ration, the weights, and the dates written under the axis.

#include "diary/UDiaryStats.h"

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

struct TDateMark {
    int day;
    QString text;
};

struct TDiaryChart {
    QDate first;
    std::vector<double> kkal;                // one per calendar day, 0 where unknown
    std::vector<std::vector<QPointF>> means; // (day, kcal), broken at every unknown day
    std::vector<QPointF> weights;            // (day, kg)
    std::optional<double> norm;
    std::vector<TDateMark> dates;
    double kkalTop = 0; // the kcal axis reaches from 0 to here
    int kkalTicks = 0;
    double vesLow = 0, vesTop = 0; // the weight axis, when there are weights
    int vesTicks = 0;
};

// An invalid period start ("всё время") begins with the first day or weight.
TDiaryChart DiaryChart(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                       const std::vector<TWeight>& weights, std::optional<double> normKkal);
