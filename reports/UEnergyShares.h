#pragma once
// The day's shares of protein, fat and carbohydrates in the energy they carry, as both
// exports write them.

#include "ration/URacionTable.h"

#include <QString>
#include <array>
#include <optional>

// From the hidden sum row (grams of Б, Ж, У in sub-items 4, 5, 6): the percentages as shown,
// to one decimal, the carbohydrates taking the remainder of the unrounded shares; none when
// the day carries no energy in them.
std::optional<std::array<double, 3>> EnergyShares(const TRacRow& sums);

// The same percentages as texts with "%"; "?%" three times when there are none.
std::array<QString, 3> EnergyShareTexts(const TRacRow& sums);
