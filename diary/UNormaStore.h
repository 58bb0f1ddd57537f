#pragma once
// The person's daily norm, one row of tab_norma in "KKAL.mdb". A file without the table, or
// with no row in it, has no norm.

#include <optional>

class TConnection;

struct TNorma {
    int pol = 0; // 0 мужской, 1 женский
    std::optional<int> vozrast;
    std::optional<double> rost;
    std::optional<double> ves;
    int aktivnost = 2; // 0..4, "средняя" by default
    int cel = 1;       // 0..2, "сохранить вес" by default
    double bel_proc = 15;
    double zir_proc = 30;
    double ugl_proc = 55;
    bool vruchnuyu = false;
    double kkal = 0; // the daily energy the day is measured against
};

std::optional<TNorma> ReadNorma(TConnection& conn);
// Replaces the stored norm in one transaction, creating the table the first time.
void WriteNorma(TConnection& conn, const TNorma& norma);

// The norm of the data module's file, read once and then kept in memory; a file opened anew
// is read again. Every window that measures against the norm asks here.
const std::optional<TNorma>& CurrentNorma();
// Stores the norm in the data module's file and keeps it as the current one. A failed write
// raises the store's error and leaves the kept norm as it was.
void StoreNorma(const TNorma& norma);
