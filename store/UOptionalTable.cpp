#include "store/UOptionalTable.h"

#include "store/UConnection.h"
#include "store/UQuery.h"

bool TableExists(TConnection& conn, const char* table) {
    TQuery q(conn, {});
    q.SetSQL(
        QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name=:name"));
    q.SetParam(QStringLiteral("name"), QString::fromLatin1(table));
    q.Open();
    return q.Fields(0).AsInteger() > 0;
}

void CreateTableIfMissing(TConnection& conn, const char* table, const char* createStatement) {
    if (TableExists(conn, table))
        return;
    TQuery q(conn, {});
    q.SetSQL(QString::fromLatin1(createStatement));
    q.ExecSQL();
}
