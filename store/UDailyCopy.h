#pragma once
// The daily copy of the user's data: at start-up, "KKAL.mdb" is copied with SQLite's online
// backup into the folder "Архив" beside it as "KKAL-YYYY-MM-DD.mdb", once a calendar day,
// and the 14 newest copies are kept.

#include <QDate>
#include <QString>

extern const QString kArchiveFolder;
constexpr int kKeptCopies = 14;

// Writes the day's copy unless it exists, then removes the copies beyond the newest 14.
// Returns whether a copy was written. Never waits for a lock and never reports: a folder that
// cannot be written, a full disk or a locked file only skip the copy.
bool WriteDailyCopy(const QString& databasePath, const QDate& today);
