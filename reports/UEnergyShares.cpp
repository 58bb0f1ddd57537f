#include "reports/UEnergyShares.h"

#include "base/UFormat.h"

std::array<QString, 3> EnergyShareTexts(const TRacRow& sums) {
    const double bel = StrToFloat(sums.sub.value(4));
    const double zir = StrToFloat(sums.sub.value(5));
    const double ugl = StrToFloat(sums.sub.value(6));
    const double energy = NutrientEnergy(bel, zir, ugl);
    if (energy == 0) {
        const QString unknown = QStringLiteral("?%");
        return {unknown, unknown, unknown};
    }
    const double protein = ProteinShare(bel, energy);
    const double fat = FatShare(zir, energy);
    const QString percent = QStringLiteral("%");
    return {FormatOneDecimal(protein) + percent, FormatOneDecimal(fat) + percent,
            FormatOneDecimal(100 - protein - fat) + percent};
}
