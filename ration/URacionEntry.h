#pragma once
// Making an entry of the ration from an amount, and putting the last entry in its place.

#include "ration/URacion.h"

// A product's energy and nutrients per 100 g.
struct TProductValues {
    double kkal = 0;
    double bel = 0;
    double zir = 0;
    double ugl = 0;
};

// An amount in grams; the entry's measure and portion count stay as they are.
void SetGramsAmount(TRacionItem& entry, int grams, const TProductValues& product);

// An amount in portions of a measure of gMera grams and kkalMera kcal each. The grams are
// rounded to a whole number, halves to even; an entry that rounds to 0 g gets the energy of
// its portions and no nutrients. Raises EConvertError when the grams leave the integer range.
void SetPortionAmount(TRacionItem& entry, int idPorc, double count, int gMera, double kkalMera,
                      const TProductValues& product);

// Moves the last entry back into time order and merges it with an entry of the same product
// and measure in its meal, or puts it right after that meal's entries of the same product.
// Raises EConvertError when the merged weight leaves the integer range or a merged value is
// not finite; the ration may then be reordered, so callers place on a copy.
void PlaceLastEntry(TArraySave& ration);
