#pragma once
// Ration entries for the ration tests: the worked example of the ration table and builders.

#include "base/UFormat.h"
#include "ration/URacion.h"

#include <QTime>

inline TDateTime At(int hours, int minutes, int seconds = 0) {
    return double(QTime(hours, minutes, seconds).msecsSinceStartOfDay()) / 86400000.0;
}

inline TRacionItem Grams(TDateTime vremy, int idProd, int g, double kkal, double bel = 0,
                         double zir = 0, double ugl = 0) {
    return {vremy, idProd, true, g, 0, 0, kkal, bel, zir, ugl};
}

inline TRacionItem Portions(TDateTime vremy, int idProd, int idPorc, double kolPorc, int g,
                            double kkal, double bel = 0, double zir = 0, double ugl = 0) {
    return {vremy, idProd, false, g, idPorc, kolPorc, kkal, bel, zir, ugl};
}

// A at 08:00 200 g; B at 08:00 two portions of M (200 g each); C at 13:30 100 g.
inline TArraySave WorkedExample(int a, int b, int m, int c) {
    return {Grams(At(8, 0), a, 200, 150, 5, 3, 25),
            Portions(At(8, 0), b, m, 2, 400, 240, 12, 10, 20),
            Grams(At(13, 30), c, 100, 100, 20, 2, 0)};
}
