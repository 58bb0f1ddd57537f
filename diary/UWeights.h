#pragma once
// The weights of the diary, one per date, in tab_ves of "KKAL.mdb". A file without the table
// has no weights; the table is created by the first weight stored.

#include <QDate>
#include <optional>
#include <vector>

class TConnection;

struct TWeight {
    QDate date;
    double ves = 0; // kg
};

// The weights from `from` to `to`, both included, oldest first; an invalid `from` reaches back
// to the first one.
std::vector<TWeight> ReadWeights(TConnection& conn, const QDate& from, const QDate& to);
// Stores the date's weight in one transaction, replacing one stored before; no weight
// removes the date's weight.
void WriteWeight(TConnection& conn, const QDate& date, std::optional<double> ves);
