#pragma once
// Ration tables as the main window shows them, for the export tests (comma as separator).

#include "ration/URacionTable.h"

TRacRow Row(const QString& caption, const QStringList& sub, int data = 0);

// Two meals of two entries each with their subtotals; the day's Б, Ж, У are 50, 40 and 150 g,
// and the visible day-total row shows them as shares of the energy.
TRacTable TwoMealTable();

// One meal of the given rows with the day-total row and the hidden sum row.
TRacTable WithTotals(std::vector<TRacRow> rows, const QStringList& sums);
