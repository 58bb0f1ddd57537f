#pragma once
// What the diary computes over a period: its dates, the weekly means, the table's rows and the
// expenditure the diary reveals. Plain functions of the days, the weights and the norm.

#include "diary/UDiaryDays.h"
#include "diary/UWeights.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// The items of CBPeriod: "7 дней", "30 дней", "90 дней", "365 дней", "всё время".
extern const QStringList kPeriodItems;
constexpr int kDefaultPeriodItem = 1;

// The period of an item ends today and reaches back that many days, today included;
// "всё время" begins with an invalid date (from the first day).
struct TDiaryPeriod {
    QDate from, to;
};
TDiaryPeriod PeriodOfItem(int item, const QDate& today);

// The period's first day: its own, or for "всё время" the first listed day (today without).
QDate FirstDayOf(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                 const std::vector<TWeight>& weights);

// "пн" … "вс".
QString WeekDayName(const QDate& date);

// At each day, the mean energy of the days with a ration among the 7 calendar days ending
// there; parallel to `days`.
std::vector<double> SevenDayMeans(const std::vector<TDiaryDay>& days);

// One row of LVDnevnik: "Дата", "День", "ккал", "Б", "Ж", "У", "% нормы", "Вес"; newest
// first, then "В среднем:".
std::vector<QStringList> DiaryRows(const std::vector<TDiaryDay>& days,
                                   const std::vector<TWeight>& weights,
                                   std::optional<double> normKkal);
// The saved ration of each row of DiaryRows, 0 for a row without one (a weight alone, the
// mean row): what a double-click loads.
std::vector<int> DiaryRowRations(const std::vector<TDiaryDay>& days,
                                 const std::vector<TWeight>& weights);

// The mean of the weights; none without one.
std::optional<double> MeanWeight(const std::vector<TWeight>& weights);

// The mean energy of the days less 7700 kcal per kg of the weights' least-squares slope per
// day, to a whole kcal; none with fewer than 14 days or weights less than 14 days apart.
std::optional<long long> ExpenditureEstimate(const std::vector<TDiaryDay>& days,
                                             const std::vector<TWeight>& weights);

// LabRashod's text: the estimate, with the norm beside it, or why there is none.
QString ExpenditureText(const std::vector<TDiaryDay>& days, const std::vector<TWeight>& weights,
                        std::optional<double> normKkal);
