#pragma once
// The current ration: the entries of the day in ascending time.

#include "base/UFormat.h"

#include <vector>

struct TRacionItem {
    TDateTime vremy = 0; // time eaten: a time of day, no date part, 0 seconds
    int id_prod = 0;     // the product; it may have been deleted since
    bool flag = false;   // true: the amount is in grams; false: in portions of a measure
    int g = 0;           // weight of the entry in grams
    int id_porc = 0;     // the measure (tab_mera.id_mif) of a portion entry
    double kol_porc = 0; // the number of portions of a portion entry
    double kkal = 0;     // energy of the whole entry in kcal
    double bel = 0;      // protein of the whole entry in grams
    double zir = 0;      // fat of the whole entry in grams
    double ugl = 0;      // carbohydrate of the whole entry in grams
};

using TArraySave = std::vector<TRacionItem>;

// The one current ration, shared by the main window and the ration dialogs.
extern TArraySave ArraySave;
