#include "diary/UNormaBar.h"

#include "base/UFormat.h"

#include <algorithm>

TNormaBar NormaBar(const std::optional<TNorma>& norma, const QString& dayKkal) {
    TNormaBar bar;
    if (!norma || norma->kkal <= 0) {
        bar.text = QStringLiteral("Норма не задана");
        return bar;
    }
    const double energy = dayKkal.isEmpty() ? 0 : StrToFloat(dayKkal);
    const int norm = RoundToInt(norma->kkal);
    bar.maximum = norm;
    bar.value = int(std::min<long long>(RoundHalfEven(energy), norm));
    bar.over = energy > norma->kkal;
    bar.text = QStringLiteral("%1 из %2 ккал (%3 %)")
                   .arg(FormatOneDecimal(energy), FormatWholeGrams(norm),
                        FormatWholeGrams(RoundHalfEven(100 * energy / norma->kkal)));
    return bar;
}
