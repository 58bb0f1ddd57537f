#include "reports/UEnergyShares.h"

#include "base/UFormat.h"

std::optional<std::array<double, 3>> EnergyShares(const TRacRow& sums) {
    const double bel = StrToFloat(sums.sub.value(4));
    const double zir = StrToFloat(sums.sub.value(5));
    const double ugl = StrToFloat(sums.sub.value(6));
    const double energy = NutrientEnergy(bel, zir, ugl);
    if (energy == 0)
        return std::nullopt;
    const double protein = ProteinShare(bel, energy);
    const double fat = FatShare(zir, energy);
    return std::array<double, 3>{RoundedTo(protein, 1), RoundedTo(fat, 1),
                                 RoundedTo(100 - protein - fat, 1)};
}

std::array<QString, 3> EnergyShareTexts(const TRacRow& sums) {
    const auto shares = EnergyShares(sums);
    if (!shares) {
        const QString unknown = QStringLiteral("?%");
        return {unknown, unknown, unknown};
    }
    const QString percent = QStringLiteral("%");
    std::array<QString, 3> texts;
    for (size_t i = 0; i < 3; ++i)
        texts[i] = FormatOneDecimal((*shares)[i]) + percent;
    return texts;
}
