#pragma once
// Draws the diary's chart: the columns of kcal per day, the norm, the 7-day mean and the
// weight on its own axis at the right.

#include "diary/UDiaryChart.h"

class QChart;

void DrawDiaryChart(QChart* chart, const TDiaryChart& data);
