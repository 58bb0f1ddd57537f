#pragma once
// The installation steps of the setup mode, apart from its window: the folders, the program's
// files and the shortcuts.

#include <QString>
#include <QStringList>

// The installed program's file name.
extern const QString kInstalledProgram;

// The text with a trailing "/" ensured.
QString WithTrailingSlash(const QString& path);

// Creates the folder level by level, walking its "/" separators from the first character.
// Fails for an empty path and at the first level that cannot be created.
bool ForceFolders(const QString& path);

// Copies a file over a file of the same name; the old file stays whole when the copy fails.
bool CopyReplacing(const QString& source, const QString& destination);

// Copies the program and its files into the installation folder (with its trailing "/"):
// the running program as "Едомер.exe", "KKAL.mdb" only when the folder has none yet,
// "setting.ini" and "Справка.chm" from the source folder. Stops at the first failure.
bool InstallProgramFiles(const QString& program, const QString& sourceFolder,
                         const QString& folder);

// Creates "Едомер" in the start menu's programs folder and returns it with its trailing "/";
// the empty text when the start menu has no folder.
QString MakeStartMenuFolder();

// The three shortcuts to the installed program and its help file: two in the start-menu
// folder, one in the desktop folder (both with their trailing "/"). Each is written on its
// own; one that cannot be written is left out.
void CreateShortcuts(const QString& folder, const QString& startMenuFolder,
                     const QString& desktopFolder);

// The report shown after a successful installation.
QStringList ResultLines(const QString& folder);
