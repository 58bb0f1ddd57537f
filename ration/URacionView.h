#pragma once
// The ration table and the day total read back from the main window's lists.

#include "ration/URacionTable.h"

class QTreeWidgetItem;

// One row of the ration list or of the day-total list as text.
TRacRow RacRowOf(const QTreeWidgetItem* item);
// The rows of the main window's ration table and of its day-total list.
TRacTable RacTableRows();
