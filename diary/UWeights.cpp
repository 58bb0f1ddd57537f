#include "diary/UWeights.h"

#include "store/UConnection.h"
#include "store/UOptionalTable.h"
#include "store/UQuery.h"

namespace {

const char kTable[] = "tab_ves";
const char kCreate[] = "CREATE TABLE tab_ves (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "data TEXT(10) NOT NULL UNIQUE, ves DOUBLE)";

QString StoredDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

} // namespace

std::vector<TWeight> ReadWeights(TConnection& conn, const QDate& from, const QDate& to) {
    TReadScope scope(conn);
    std::vector<TWeight> weights;
    if (!TableExists(conn, kTable))
        return weights;
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral(
        "SELECT data, ves FROM tab_ves WHERE data>=:from AND data<=:to ORDER BY data"));
    q.SetParam(QStringLiteral("from"), from.isValid() ? StoredDate(from) : QString());
    q.SetParam(QStringLiteral("to"), StoredDate(to));
    q.Open();
    for (; !q.Eof(); q.Next()) {
        const QDate date = QDate::fromString(q.Fields(0).AsString(), Qt::ISODate);
        if (date.isValid())
            weights.push_back({date, q.Fields(1).AsFloat()});
    }
    return weights;
}

void WriteWeight(TConnection& conn, const QDate& date, std::optional<double> ves) {
    if (!ves && !TableExists(conn, kTable))
        return;
    TTransaction transaction(conn);
    CreateTableIfMissing(conn, kTable, kCreate);
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral("DELETE FROM tab_ves WHERE data=:data"));
    q.SetParam(QStringLiteral("data"), StoredDate(date));
    q.ExecSQL();
    if (ves) {
        q.SetSQL(QStringLiteral("INSERT INTO tab_ves(data, ves) VALUES(:data, :ves)"));
        q.SetParam(QStringLiteral("data"), StoredDate(date));
        q.SetParam(QStringLiteral("ves"), *ves);
        q.ExecSQL();
    }
    transaction.Commit();
}
