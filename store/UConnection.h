#pragma once
// The one connection to "KKAL.mdb": opened by the first statement and kept open, with a cache
// of prepared statements and the transaction calls.

#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

class TConnection;

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

    // A prepared statement for the SQLite text, from the cache when one is idle.
    std::unique_ptr<TStatement> Prepare(const std::string& sql);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool InTransaction() const;

    // Raises EStoreError with the connection's last message.
    [[noreturn]] void Fail(const QString& context = QString());

private:
    friend class TStatement;
    void Release(const std::string& sql, sqlite3_stmt* stmt);
    void ExecDirect(const char* sql);
    void FinalizeIdle();

    QString FConnectionString;
    sqlite3* FDb = nullptr;
    std::unordered_map<std::string, std::vector<sqlite3_stmt*>> FIdle;
    std::size_t FIdleCount = 0;
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
