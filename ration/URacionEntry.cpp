#include "ration/URacionEntry.h"

#include "base/UFormat.h"

#include <algorithm>

namespace {

void SetNutrients(TRacionItem& entry, const TProductValues& product) {
    entry.kkal = product.kkal * entry.g / 100;
    entry.bel = product.bel * entry.g / 100;
    entry.zir = product.zir * entry.g / 100;
    entry.ugl = product.ugl * entry.g / 100;
}

} // namespace

void SetGramsAmount(TRacionItem& entry, int grams, const TProductValues& product) {
    entry.g = grams;
    entry.flag = true;
    SetNutrients(entry, product);
}

void SetPortionAmount(TRacionItem& entry, int idPorc, double count, int gMera, double kkalMera,
                      const TProductValues& product) {
    const int grams = RoundToInt(count * gMera, FormatGeneral(count));
    entry.id_porc = idPorc;
    entry.kol_porc = count;
    entry.g = grams;
    entry.flag = false;
    if (entry.g != 0) {
        SetNutrients(entry, product);
        return;
    }
    entry.kkal = count * kkalMera;
    entry.bel = 0;
    entry.zir = 0;
    entry.ugl = 0;
}

void PlaceLastEntry(TArraySave& ration) {
    if (ration.empty())
        return;
    std::size_t p = ration.size() - 1;
    while (p > 0 && ration[p].vremy < ration[p - 1].vremy) {
        std::swap(ration[p], ration[p - 1]);
        --p;
    }
    if (ration.size() == 1)
        return;
    const TRacionItem placed = ration[p];
    std::size_t f = p;
    while (f > 0 && ration[f - 1].vremy == placed.vremy)
        --f;
    std::size_t c = f;
    while (c < p && ration[c].id_prod != placed.id_prod)
        ++c;
    if (c == p)
        return;
    // From the first entry of the product on: a merge target of the same measure, or the
    // last entry of the product before another product starts.
    for (std::size_t d = c; d < p; ++d) {
        if (ration[d].id_prod != placed.id_prod) {
            c = d - 1;
            break;
        }
        if (ration[d].id_porc == placed.id_porc) {
            TRacionItem& target = ration[d];
            // The merged entry must still fit its 32-bit weight and stay a number; checked
            // before the target is touched.
            const long long sum = static_cast<long long>(target.g) + placed.g;
            const QString typed = FormatWholeGrams(sum);
            const int grams = RoundToInt(double(sum), typed);
            for (double merged : {target.kkal + placed.kkal, target.bel + placed.bel,
                                  target.zir + placed.zir, target.ugl + placed.ugl})
                FiniteResult(merged, typed);
            target.kol_porc += placed.kol_porc;
            target.g = grams;
            target.kkal += placed.kkal;
            target.bel += placed.bel;
            target.zir += placed.zir;
            target.ugl += placed.ugl;
            ration.erase(ration.begin() + std::ptrdiff_t(p));
            return;
        }
    }
    std::rotate(ration.begin() + std::ptrdiff_t(c + 1), ration.begin() + std::ptrdiff_t(p),
                ration.begin() + std::ptrdiff_t(p + 1));
}
