#include "diary/UDiaryDays.h"

#include "store/UConnection.h"
#include "store/UQuery.h"

#include <QRegularExpression>
#include <map>

std::optional<QDate> DayOfRationName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(name.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    int year = match.captured(3).toInt();
    if (match.capturedLength(3) == 2)
        year += 2000;
    const QDate date(year, match.captured(2).toInt(), match.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::vector<TDiaryDay> ReadDiaryDays(TConnection& conn, const QDate& from, const QDate& to) {
    // Every saved ration with its sums in one pass; the names are read as dates here, since
    // the store cannot tell a date from a plan.
    TReadScope scope(conn);
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral("SELECT n.id, n.naim_rac, sum(r.kkal), sum(r.bel), sum(r.zir), "
                            "sum(r.ugl) FROM tab_nazv_rac n LEFT JOIN tab_racion r "
                            "ON r.id_rac=n.id GROUP BY n.id, n.naim_rac"));
    q.Open();
    std::map<QDate, TDiaryDay> byDate;
    for (; !q.Eof(); q.Next()) {
        const std::optional<QDate> date = DayOfRationName(q.Fields(1).AsString());
        if (!date || *date > to || (from.isValid() && *date < from))
            continue;
        const int id = q.Fields(0).AsInteger();
        TDiaryDay& day = byDate[*date];
        if (day.id_rac > id)
            continue;
        day = {*date,
               id,
               q.Fields(2).AsFloat(),
               q.Fields(3).AsFloat(),
               q.Fields(4).AsFloat(),
               q.Fields(5).AsFloat()};
    }
    std::vector<TDiaryDay> days;
    days.reserve(byDate.size());
    for (const auto& [date, day] : byDate)
        days.push_back(day);
    return days;
}
