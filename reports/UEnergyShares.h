#pragma once
// The day's shares of protein, fat and carbohydrates in the energy they carry, as both
// exports write them.

#include "ration/URacionTable.h"

#include <QString>
#include <array>

// From the hidden sum row (grams of Б, Ж, У in sub-items 4, 5, 6): one decimal and "%" each,
// the carbohydrates taking the remainder of the unrounded shares; "?%" three times when the
// day carries no energy in them.
std::array<QString, 3> EnergyShareTexts(const TRacRow& sums);
