#pragma once
// The ration as a spreadsheet workbook: the report's frame, the rows from B4 on, the day's
// total and the shares of Б, Ж, У, with charts of the shares and of the meals' kcal beside
// the table, written to a file the user names.

#include "ration/URacionTable.h"
#include "reports/UWorkbook.h"

#include <QString>

class QWidget;

extern const QString kWorkbookFailureText;

// A workbook holding the report's frame: the title cell B2 and the headings of row 3.
TWorkbook BeginRationWorkbook();
// The same frame on the workbook's last worksheet.
void BeginRationSheet(TWorkbook& book);

// The title: the file name without its folder, less the first ".xlsx" (exact case).
QString WorkbookTitle(const QString& path);

// Writes the title and the table into a workbook begun with BeginRationWorkbook; withBzu
// (CB2) keeps the Б, Ж, У columns, otherwise their headings are cleared. Grams and shares are
// numbers. The pie of the shares comes when they are shown and the day has energy in them,
// the column chart of the meals when there are subtotals of two meals or more.
void FillRationWorkbook(TWorkbook& book, const TRacTable& table, bool withBzu,
                        const QString& title);

// Asks for the file, writes the workbook of a non-empty table and opens it on the desktop.
// A file that cannot be written is reported in FMessage over the window and left untouched.
void ExportRationWorkbook(const TRacTable& table, bool withBzu, QWidget* over);
