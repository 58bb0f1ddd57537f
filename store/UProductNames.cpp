#include "store/UProductNames.h"

#include "base/UErrors.h"
#include "store/UConnection.h"
#include "store/USqliteApi.h"

#include <algorithm>

namespace {

// Past this many changed rows, one read of all is cheaper than a read of each.
constexpr std::size_t kMostRowsReadAgain = 1000;

void Append(TProductNames& to, qint64 id, qint64 group, bool hasGroup, const char* name,
            std::uint32_t size) {
    to.names.push_back({id, group, hasGroup, std::uint32_t(to.text.size()), size});
    to.text.append(name, size);
}

// Appends the rows the statement gives: id_prod, id_grup, naim_prod.
void AppendRows(TConnection& conn, sqlite3_stmt* stmt, TProductNames& to) {
    int rc = 0;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        // The type is asked before any conversion, the size after the text.
        const bool hasGroup = sqlite3_column_type(stmt, 1) != SQLITE_NULL;
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 2));
        if (name)
            Append(to, sqlite3_column_int64(stmt, 0), sqlite3_column_int64(stmt, 1), hasGroup, name,
                   std::uint32_t(sqlite3_column_bytes(stmt, 2)));
    }
    if (rc != SQLITE_DONE) {
        try {
            conn.Fail(TStoreAccess::Read);
        } catch (const EStoreError&) {
            // As after every failed statement: nothing of the action may be committed later.
            conn.RollbackTrans();
            throw;
        }
    }
}

} // namespace

TProductNames ReadProductNames(TConnection& conn) {
    TProductNames read;
    const auto statement =
        conn.Prepare("SELECT id_prod,id_grup,naim_prod FROM tab_prod ORDER BY id_grup");
    AppendRows(conn, statement->Handle(), read);
    return read;
}

TProductNames UpdatedProductNames(TConnection& conn, const TProductNames& before,
                                  const TTableChanges& changes) {
    if (!changes.complete || changes.rows.size() > kMostRowsReadAgain)
        return ReadProductNames(conn);
    std::vector<qint64> changed = changes.rows;
    std::sort(changed.begin(), changed.end());
    changed.erase(std::unique(changed.begin(), changed.end()), changed.end());
    TProductNames now;
    now.text.reserve(before.text.size());
    now.names.reserve(before.names.size() + changed.size());
    for (const TProductName& name : before.names)
        if (!std::binary_search(changed.begin(), changed.end(), name.id))
            Append(now, name.id, name.group, name.hasGroup, before.text.data() + name.begin,
                   name.size);
    const auto statement =
        conn.Prepare("SELECT id_prod,id_grup,naim_prod FROM tab_prod WHERE id_prod=?1");
    sqlite3_stmt* stmt = statement->Handle();
    for (const qint64 id : changed) {
        sqlite3_bind_int64(stmt, 1, id);
        AppendRows(conn, stmt, now);
        sqlite3_reset(stmt);
    }
    return now;
}
