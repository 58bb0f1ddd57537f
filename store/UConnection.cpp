#include "store/UConnection.h"

#include "base/UErrors.h"
#include "store/UCollation.h"
#include "store/USqliteApi.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kMaxIdleStatements = 2048;
// A lock held by another program is waited for this long; for the same time after a wait
// gave up, statements do not wait again.
constexpr int kBusyTimeoutMs = 1000;
const QString kDataSourceKey = QStringLiteral("Data Source=");
const QString kSecuritySuffix = QStringLiteral(";Persist Security Info=False");

} // namespace

TStatement::~TStatement() {
    if (FOwner)
        FOwner->Release(FSql, FStmt);
    else
        sqlite3_finalize(FStmt);
}

TConnection::~TConnection() {
    Close();
}

void TConnection::SetConnectionString(const QString& text) {
    Close();
    FConnectionString = text;
}

QString TConnection::DatabasePath() const {
    const int start = int(FConnectionString.indexOf(kDataSourceKey));
    if (start < 0)
        return QString();
    const int from = start + int(kDataSourceKey.size());
    int end = int(FConnectionString.lastIndexOf(kSecuritySuffix));
    if (end < from)
        end = int(FConnectionString.indexOf(QLatin1Char(';'), from));
    return end < 0 ? FConnectionString.mid(from) : FConnectionString.mid(from, end - from);
}

void TConnection::Open() {
    if (FDb)
        return;
    const QString path = DatabasePath();
    const QString where = QStringLiteral("Не удалось открыть базу данных «%1»: ").arg(path);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw EStoreError(where + QStringLiteral("файл не найден"));
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString reason = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw EStoreError(StoreFailureText(TStoreAccess::Open, path, rc, reason));
    }
    static qint64 openings = 0;
    FOpenSerial = ++openings;
    FBusyWait = BusyWait();
    sqlite3_busy_timeout(db, FBusyWait);
    sqlite3_extended_result_codes(db, 1);
    // The header is read by the first statement: a file that is not a database fails here.
    sqlite3_stmt* probe = nullptr;
    int prc = sqlite3_prepare_v2(
        db, "SELECT count(*) FROM sqlite_master WHERE type='table' AND name='tab_prod'", -1, &probe,
        nullptr);
    bool hasTables = false;
    if (prc == SQLITE_OK) {
        prc = sqlite3_step(probe);
        hasTables = prc == SQLITE_ROW && sqlite3_column_int(probe, 0) > 0;
    }
    sqlite3_finalize(probe);
    if (prc == SQLITE_ROW && !hasTables) {
        sqlite3_close(db);
        throw EStoreError(where + QStringLiteral("в файле нет таблиц программы"));
    }
    if (prc != SQLITE_ROW) {
        const QString reason = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        if ((prc & 0xff) == SQLITE_BUSY)
            FLockedSince.start();
        throw EStoreError(StoreFailureText(TStoreAccess::Open, path, prc, reason));
    }
    if (RegisterRussianText(db) != SQLITE_OK) {
        sqlite3_close(db);
        throw EStoreError(where + QStringLiteral("не удалось подключить русскую сортировку"));
    }
    FDb = db;
    FReportedChanges = 0;
    sqlite3_update_hook(db, RowChanged, this);
    ExecDirect("PRAGMA journal_mode=DELETE");
    ExecDirect("PRAGMA synchronous=FULL");
    // Keep the whole catalog in memory: a search reads every product name after another
    // program's change.
    ExecDirect("PRAGMA cache_size=-32768");
}

void TConnection::Close() {
    if (!FDb)
        return;
    FinalizeIdle();
    sqlite3_close_v2(FDb);
    FDb = nullptr;
    FReadOwned = false;
}

sqlite3* TConnection::Handle() {
    Open();
    return FDb;
}

void TConnection::Fail(TStoreAccess access) {
    const int code = sqlite3_extended_errcode(FDb);
    if ((code & 0xff) == SQLITE_BUSY)
        FLockedSince.start();
    throw EStoreError(
        StoreFailureText(access, DatabasePath(), code, QString::fromUtf8(sqlite3_errmsg(FDb))));
}

int TConnection::BusyWait() const {
    const bool justLocked = FLockedSince.isValid() && FLockedSince.elapsed() < kBusyTimeoutMs;
    return justLocked ? 0 : kBusyTimeoutMs;
}

void TConnection::UpdateBusyWait() {
    const int wait = BusyWait();
    if (wait != FBusyWait) {
        sqlite3_busy_timeout(FDb, wait);
        FBusyWait = wait;
    }
}

std::unique_ptr<TStatement> TConnection::Prepare(const std::string& sql) {
    Open();
    UpdateBusyWait();
    auto it = FIdle.find(sql);
    if (it != FIdle.end() && !it->second.empty()) {
        sqlite3_stmt* stmt = it->second.back();
        it->second.pop_back();
        --FIdleCount;
        return std::make_unique<TStatement>(this, sql, stmt);
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(FDb, sql.c_str(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        const bool reading = QByteArray::fromStdString(sql).trimmed().left(6).toUpper() == "SELECT";
        Fail(reading ? TStoreAccess::Read : TStoreAccess::Write);
    }
    return std::make_unique<TStatement>(this, sql, stmt);
}

void TConnection::Release(const std::string& sql, sqlite3_stmt* stmt) {
    if (!stmt)
        return;
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    if (!FDb || sqlite3_db_handle(stmt) != FDb) {
        sqlite3_finalize(stmt);
        return;
    }
    if (FIdleCount >= kMaxIdleStatements)
        FinalizeIdle();
    FIdle[sql].push_back(stmt);
    ++FIdleCount;
}

void TConnection::FinalizeIdle() {
    for (auto& entry : FIdle)
        for (sqlite3_stmt* stmt : entry.second)
            sqlite3_finalize(stmt);
    FIdle.clear();
    FIdleCount = 0;
}

void TConnection::ExecDirect(const char* sql) {
    sqlite3* db = Handle();
    UpdateBusyWait();
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(TStoreAccess::Write);
}

void TConnection::BeginTrans() {
    if (FReadOwned) {
        FReadOwned = false;
        if (InTransaction())
            return;
    }
    ExecDirect("BEGIN");
}

void TConnection::BeginRead() noexcept {
    if (FReadDepth++ > 0 || !FDb || InTransaction())
        return;
    FReadOwned = sqlite3_exec(FDb, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
}

void TConnection::EndRead() noexcept {
    if (--FReadDepth > 0 || !FReadOwned)
        return;
    FReadOwned = false;
    if (InTransaction() && sqlite3_exec(FDb, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        sqlite3_exec(FDb, "ROLLBACK", nullptr, nullptr, nullptr);
}

void TConnection::CommitTrans() {
    ExecDirect("COMMIT");
}

void TConnection::RollbackTrans() {
    if (InTransaction())
        ExecDirect("ROLLBACK");
}

bool TConnection::InTransaction() const {
    return FDb && sqlite3_get_autocommit(FDb) == 0;
}

TTransaction::~TTransaction() {
    if (FDone)
        return;
    try {
        FConn.RollbackTrans();
    } catch (const EStoreError&) {
        // The rollback of a transaction that failed already has nothing more to report.
    }
}

void TTransaction::Commit() {
    FConn.CommitTrans();
    FDone = true;
}

qint64 TConnection::DataVersion() {
    // A version that could not be read matches no other.
    static qint64 unread = 0;
    qint64 version = --unread;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(Handle(), "PRAGMA data_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

std::array<qint64, 3> TConnection::ChangeStamp() {
    const qint64 version = DataVersion();
    return {FOpenSerial, sqlite3_total_changes64(FDb), version};
}

void TConnection::RowChanged(void* self, int, const char* database, const char* table,
                             sqlite3_int64 row) {
    auto* conn = static_cast<TConnection*>(self);
    ++conn->FReportedChanges;
    if (std::strcmp(database, "main") != 0)
        return;
    for (auto& [name, record] : conn->FWatched)
        if (name == table) {
            if (record.rows.size() < kMaxRecordedRows)
                record.rows.push_back(row);
            else
                record.overflow = true;
        }
}

TTableChanges TConnection::TakeChanges(const std::string& table) {
    sqlite3* db = Handle();
    // Changes SQLite counted but did not report, as a DELETE of all rows, move this figure.
    const std::array<qint64, 3> now{FOpenSerial, DataVersion(),
                                    sqlite3_total_changes64(db) - FReportedChanges};
    auto it = std::find_if(FWatched.begin(), FWatched.end(),
                           [&](const auto& watched) { return watched.first == table; });
    const bool first = it == FWatched.end();
    if (first)
        it = FWatched.insert(FWatched.end(), {table, {}});
    TChangeRecord& record = it->second;
    TTableChanges changes;
    changes.complete = !first && !record.overflow && record.since == now;
    changes.rows.swap(record.rows);
    record.overflow = false;
    record.since = now;
    return changes;
}
