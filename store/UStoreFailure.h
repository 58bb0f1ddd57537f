#pragma once
// The error box text of a failed store operation: what happened to which file in Russian
// words, and SQLite's own text on a second line for support. Statements are never shown.

#include <QString>

enum class TStoreAccess { Open, Read, Write };

// code is SQLite's extended result code of the failure.
QString StoreFailureText(TStoreAccess access, const QString& path, int code,
                         const QString& engineText);
