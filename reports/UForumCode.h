#pragma once
// The ration as forum mark-up ([table], [tr], [td], [b], [color=…]) in one line of text.

#include "ration/URacionTable.h"

#include <QString>

// The rows' texts go in as they are; withBzu (CB2) adds the Б, Ж, У columns and the percent
// row. An empty table gives an empty text.
QString BuildForumCode(const TRacTable& table, bool withBzu, const QString& webAddress);
