#pragma once
// The one connection to "KKAL.mdb": opened by the first statement and kept open, with a cache
// of prepared statements, the transaction calls and the read scopes of the view rebuilds.

#include "store/UStoreFailure.h"

#include <QElapsedTimer>
#include <QString>
#include <array>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class TConnection;

// The rows of one table that this connection changed, as SQLite reported them. Not complete
// when some changes may be missing: the file was opened again, another program committed, a
// change went unreported (a DELETE of all rows), or too many rows changed to keep.
struct TTableChanges {
    bool complete = false;
    std::vector<qint64> rows;
};

// A prepared statement borrowed from the connection's cache; returned to it when destroyed.
class TStatement {
public:
    TStatement(TConnection* owner, const std::string& sql, sqlite3_stmt* stmt)
        : FOwner(owner), FSql(sql), FStmt(stmt) {}
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    ~TStatement();
    sqlite3_stmt* Handle() const { return FStmt; }

private:
    TConnection* FOwner;
    std::string FSql;
    sqlite3_stmt* FStmt;
};

class TConnection {
public:
    TConnection() = default;
    TConnection(const TConnection&) = delete;
    TConnection& operator=(const TConnection&) = delete;
    ~TConnection();

    // "Provider=...;Data Source=<path>;Persist Security Info=False"; the file is its Data Source.
    void SetConnectionString(const QString& text);
    const QString& ConnectionString() const { return FConnectionString; }
    QString DatabasePath() const;

    // Opens the existing file; never creates one. Raises EStoreError naming path and reason.
    void Open();
    bool Connected() const { return FDb != nullptr; }
    void Close();
    sqlite3* Handle();
    // Equal stamps mean the store's contents are unchanged, by this connection or another,
    // since the same file was opened.
    std::array<qint64, 3> ChangeStamp();
    // The table's changed rows since the last call for it; the first call is never complete.
    TTableChanges TakeChanges(const std::string& table);

    // A prepared statement for the SQLite text, from the cache when one is idle.
    std::unique_ptr<TStatement> Prepare(const std::string& sql);

    // A write transaction begun inside a read scope takes the scope's transaction over.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

    // Raises EStoreError in words for the connection's last failure.
    [[noreturn]] void Fail(TStoreAccess access);

private:
    friend class TStatement;
    friend class TReadScope;
    struct TChangeRecord {
        std::vector<qint64> rows;
        bool overflow = false;
        std::array<qint64, 3> since{};
    };
    static constexpr std::size_t kMaxRecordedRows = 10000;
    static void RowChanged(void* self, int operation, const char* database, const char* table,
                           long long row);
    qint64 DataVersion();
    void Release(const std::string& sql, sqlite3_stmt* stmt);
    void ExecDirect(const char* sql);
    void FinalizeIdle();
    void BeginRead() noexcept;
    void EndRead() noexcept;
    // A lock that made a statement give up is not waited for again at once: the user hears
    // of it after one wait, not after one per statement of the action.
    int BusyWait() const;
    void UpdateBusyWait();

    QString FConnectionString;
    sqlite3* FDb = nullptr;
    qint64 FOpenSerial = 0;
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>> FIdle;
    std::size_t FIdleCount = 0;
    int FReadDepth = 0;
    bool FReadOwned = false;
    int FBusyWait = -1;
    QElapsedTimer FLockedSince;
    qint64 FReportedChanges = 0; // rows SQLite reported changed since the file was opened
    std::vector<std::pair<std::string, TChangeRecord>> FWatched;
};

// Runs the statements of one view rebuild in one read transaction of the connection: one
// lock and one check of the file instead of one per statement. Inside a transaction, or on a
// connection not opened yet, it does nothing; the transaction ends with the scope.
class TReadScope {
public:
    explicit TReadScope(TConnection& conn) : FConn(conn) { FConn.BeginRead(); }
    TReadScope(const TReadScope&) = delete;
    TReadScope& operator=(const TReadScope&) = delete;
    ~TReadScope() { FConn.EndRead(); }

private:
    TConnection& FConn;
};

// Begins a transaction and rolls it back when left without Commit().
class TTransaction {
public:
    explicit TTransaction(TConnection& conn) : FConn(conn) { FConn.BeginTrans(); }
    TTransaction(const TTransaction&) = delete;
    TTransaction& operator=(const TTransaction&) = delete;
    ~TTransaction();
    void Commit();

private:
    TConnection& FConn;
    bool FDone = false;
};
