#include "store/UDailyCopy.h"

#include "store/USqliteApi.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

const QString kArchiveFolder = QStringLiteral("Архив");

namespace {

// Copies the whole file in one step of the online backup, into a file that does not exist.
bool BackUp(const QString& source, const QString& target) {
    sqlite3* from = nullptr;
    sqlite3* to = nullptr;
    bool done = false;
    if (sqlite3_open_v2(QFile::encodeName(source).constData(), &from, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK &&
        sqlite3_open_v2(QFile::encodeName(target).constData(), &to,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) == SQLITE_OK) {
        if (sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main")) {
            const int rc = sqlite3_backup_step(backup, -1);
            done = sqlite3_backup_finish(backup) == SQLITE_OK && rc == SQLITE_DONE;
        }
    }
    done = sqlite3_close(to) == SQLITE_OK && done;
    sqlite3_close(from);
    return done;
}

void RemoveOldCopies(const QDir& archive) {
    static const QRegularExpression name(QStringLiteral("^KKAL-\\d{4}-\\d{2}-\\d{2}\\.mdb$"));
    QStringList copies = archive.entryList({QStringLiteral("KKAL-*.mdb")}, QDir::Files);
    copies = copies.filter(name);
    copies.sort();
    for (int i = 0; i + kKeptCopies < copies.size(); ++i)
        QFile::remove(archive.filePath(copies.at(i)));
}

} // namespace

bool WriteDailyCopy(const QString& databasePath, const QDate& today) {
    const QFileInfo database(databasePath);
    if (!database.isFile())
        return false;
    QDir archive(database.absolutePath());
    if (!archive.mkpath(kArchiveFolder) || !archive.cd(kArchiveFolder))
        return false;
    const QString target =
        archive.filePath(QStringLiteral("KKAL-%1.mdb").arg(today.toString(Qt::ISODate)));
    if (QFileInfo::exists(target))
        return false;
    // Written under a passing name first, so that a copy cut short never looks like a copy.
    const QString part = target + QStringLiteral(".part");
    QFile::remove(part);
    const bool written = BackUp(databasePath, part) && QFile::rename(part, target);
    QFile::remove(part);
    if (written)
        RemoveOldCopies(archive);
    return written;
}
