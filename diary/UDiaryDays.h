#pragma once
// The days of the diary: saved rations whose names read as dates, with their sums as stored,
// and the weights beside them.

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class TConnection;

// The date a saved ration's name reads as: trimmed, "d.m.yy" or "d.m.yyyy" with one or two
// digits for day and month, a real calendar date; a two-digit year means 20yy.
std::optional<QDate> DayOfRationName(const QString& name);

struct TDiaryDay {
    QDate date;
    int id_rac = 0; // the saved ration that stands for the date: the one saved last
    double kkal = 0, bel = 0, zir = 0, ugl = 0;
};

// The days with a saved ration from `from` to `to`, both included, oldest first; an invalid
// `from` reaches back to the first day. All sums come from one statement.
std::vector<TDiaryDay> ReadDiaryDays(TConnection& conn, const QDate& from, const QDate& to);
