#pragma once
// Draws the diary's chart: the columns of kcal per day, the norm, the 7-day mean and the
// weight on its own axis at the right, with the legend under the dates.

#include "diary/UDiaryChart.h"

#include <QWidget>

class TDiaryChartView : public QWidget {
public:
    explicit TDiaryChartView(QWidget* parent) : QWidget(parent) {}
    void SetChart(TDiaryChart chart);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDiaryChart FChart;
};
