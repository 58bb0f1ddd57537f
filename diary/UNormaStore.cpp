#include "diary/UNormaStore.h"

#include "store/UConnection.h"
#include "store/UDM.h"
#include "store/UOptionalTable.h"
#include "store/UQuery.h"

#include <utility>

namespace {

const char kTable[] = "tab_norma";
const char kCreate[] = "CREATE TABLE tab_norma (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "pol INTEGER, vozrast INTEGER, rost DOUBLE, ves DOUBLE, "
                       "aktivnost INTEGER, cel INTEGER, bel_proc DOUBLE, zir_proc DOUBLE, "
                       "ugl_proc DOUBLE, vruchnuyu BOOLEAN, kkal DOUBLE)";

template <class T> QVariant OrNull(const std::optional<T>& value) {
    return value ? QVariant(*value) : QVariant();
}

} // namespace

std::optional<TNorma> ReadNorma(TConnection& conn) {
    if (!TableExists(conn, kTable))
        return std::nullopt;
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral("SELECT pol,vozrast,rost,ves,aktivnost,cel,bel_proc,zir_proc,"
                            "ugl_proc,vruchnuyu,kkal FROM tab_norma ORDER BY id DESC LIMIT 1"));
    q.Open();
    if (q.RecordCount() == 0)
        return std::nullopt;
    TNorma n;
    n.pol = q.Fields(0).AsInteger();
    if (!q.Fields(1).IsNull())
        n.vozrast = q.Fields(1).AsInteger();
    if (!q.Fields(2).IsNull())
        n.rost = q.Fields(2).AsFloat();
    if (!q.Fields(3).IsNull())
        n.ves = q.Fields(3).AsFloat();
    n.aktivnost = q.Fields(4).AsInteger();
    n.cel = q.Fields(5).AsInteger();
    n.bel_proc = q.Fields(6).AsFloat();
    n.zir_proc = q.Fields(7).AsFloat();
    n.ugl_proc = q.Fields(8).AsFloat();
    n.vruchnuyu = q.Fields(9).AsBoolean();
    n.kkal = q.Fields(10).AsFloat();
    return n;
}

void WriteNorma(TConnection& conn, const TNorma& n) {
    TTransaction transaction(conn);
    CreateTableIfMissing(conn, kTable, kCreate);
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral("DELETE FROM tab_norma"));
    q.ExecSQL();
    q.SetSQL(QStringLiteral(
        "INSERT INTO tab_norma(pol,vozrast,rost,ves,aktivnost,cel,bel_proc,zir_proc,ugl_proc,"
        "vruchnuyu,kkal) VALUES(:pol,:vozrast,:rost,:ves,:aktivnost,:cel,:bel_proc,:zir_proc,"
        ":ugl_proc,:vruchnuyu,:kkal)"));
    q.SetParam(QStringLiteral("pol"), n.pol);
    q.SetParam(QStringLiteral("vozrast"), OrNull(n.vozrast));
    q.SetParam(QStringLiteral("rost"), OrNull(n.rost));
    q.SetParam(QStringLiteral("ves"), OrNull(n.ves));
    q.SetParam(QStringLiteral("aktivnost"), n.aktivnost);
    q.SetParam(QStringLiteral("cel"), n.cel);
    q.SetParam(QStringLiteral("bel_proc"), n.bel_proc);
    q.SetParam(QStringLiteral("zir_proc"), n.zir_proc);
    q.SetParam(QStringLiteral("ugl_proc"), n.ugl_proc);
    q.SetParam(QStringLiteral("vruchnuyu"), n.vruchnuyu);
    q.SetParam(QStringLiteral("kkal"), n.kkal);
    q.ExecSQL();
    transaction.Commit();
}

namespace {

// The norm as read from one opening of one file: the connection, its file and its handle.
struct TNormaCache {
    const TConnection* conn = nullptr;
    QString file;
    const sqlite3* handle = nullptr;
    std::optional<TNorma> norma;
};

TNormaCache& Cache() {
    static TNormaCache cache;
    return cache;
}

bool CacheHolds(TConnection& conn) {
    const TNormaCache& cache = Cache();
    return cache.conn == &conn && cache.handle == conn.Handle() &&
           cache.file == conn.ConnectionString();
}

void Keep(TConnection& conn, std::optional<TNorma> norma) {
    Cache() = {&conn, conn.ConnectionString(), conn.Handle(), std::move(norma)};
}

} // namespace

const std::optional<TNorma>& CurrentNorma() {
    TConnection& conn = DM->ADOTrans;
    if (!CacheHolds(conn))
        Keep(conn, ReadNorma(conn));
    return Cache().norma;
}

void StoreNorma(const TNorma& norma) {
    TConnection& conn = DM->ADOTrans;
    WriteNorma(conn, norma);
    Keep(conn, norma);
}
