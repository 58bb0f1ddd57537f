#pragma once
// The installation steps of the setup mode, apart from its window: the folders, the program's
// files and the shortcuts.

#include <QString>
#include <QStringList>
#include <vector>

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

// A shortcut as the result page names it, and whether it was written.
struct TShortcut {
    QString name;
    bool onDesktop = false;
    bool made = false;
};

// The three shortcuts to the installed program and its help file: two in the start-menu
// folder, one in the desktop folder (both with their trailing "/"), in that order. Each is
// written on its own; one that cannot be written (or has no folder) is reported not made.
std::vector<TShortcut> CreateShortcuts(const QString& folder, const QString& startMenuFolder,
                                       const QString& desktopFolder);

// The report shown after a successful installation: the folder, then the shortcuts made and,
// by name, each that could not be made.
QStringList ResultLines(const QString& folder, const std::vector<TShortcut>& shortcuts);
