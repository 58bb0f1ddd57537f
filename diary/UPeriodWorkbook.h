#pragma once
// The workbook of a period of the diary: the sheet "Дни" with a row per day, the means, the
// weekly means and the charts, then a sheet per day holding the day's table as the day's own
// export writes it.

#include "diary/UDiaryStats.h"
#include "ration/URacionTable.h"
#include "reports/UWorkbook.h"

#include <optional>

class QWidget;

// How the main window shows a day: its view options and the Б, Ж, У columns (CB2).
struct TDayTableOptions {
    TRacViewOptions view;
    bool withBzu = true;
};

// "Дневник dd.mm.yy-dd.mm.yy.xlsx"
QString PeriodWorkbookName(const TDiaryPeriod& period);

// The whole workbook; the day sheets come from the saved rations through the data module.
TWorkbook BuildPeriodWorkbook(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                              const std::vector<TWeight>& weights, std::optional<double> normKkal,
                              const TDayTableOptions& options);

// ButExcel of the diary: asks for the file, writes the period's workbook under the main
// window's display options and opens it. Cancelling writes nothing; a file that cannot be
// written raises EWorkbookError and is left as it was.
void ExportPeriodWorkbook(const TDiaryPeriod& period, std::optional<double> normKkal,
                          QWidget* over);
