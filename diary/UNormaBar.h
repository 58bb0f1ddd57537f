#pragma once
// What the main window's bar PBNorma shows: the day's energy against the norm.

#include "diary/UNormaStore.h"

#include <QString>
#include <optional>

struct TNormaBar {
    QString text;
    int value = 0;
    int maximum = 1;
    bool over = false; // above the norm: the text is red
};

// The bar for the norm and the day's energy as the day-total row shows it (an empty text for an
// empty ration): "1126,7 из 2759 ккал (41 %)", or "Норма не задана" without a norm.
TNormaBar NormaBar(const std::optional<TNorma>& norma, const QString& dayKkal);
