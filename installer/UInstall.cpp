#include "installer/UInstall.h"

#include "platform/UDesktopEntry.h"
#include "platform/USpecialFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

const QString kInstalledProgram = QStringLiteral("Едомер.exe");

namespace {
const QString kDatabase = QStringLiteral("KKAL.mdb");
const QString kSettings = QStringLiteral("setting.ini");
const QString kHelp = QStringLiteral("Справка.chm");
const QString kIcon = QStringLiteral("Едомер.png");
const QString kIconResource = QStringLiteral(":/installer/res/edomer.png");
const QString kProgramEntry = QStringLiteral("Едомер.desktop");
const QString kHelpEntry = QStringLiteral("Справка.desktop");

bool CopyProgram(const QString& program, const QString& destination) {
    if (!CopyReplacing(program, destination))
        return false;
    return QFile::setPermissions(destination, QFile::permissions(destination) | QFile::ExeOwner |
                                                  QFile::ExeGroup | QFile::ExeOther);
}

TDesktopEntry ProgramEntry(const QString& folder) {
    TDesktopEntry entry;
    entry.Name = QStringLiteral("Едомер");
    entry.Comment = QStringLiteral("Едомер");
    entry.Icon = folder + kIcon;
    entry.Program = folder + kInstalledProgram;
    return entry;
}

TDesktopEntry HelpEntry(const QString& folder) {
    TDesktopEntry entry;
    entry.Name = QStringLiteral("Справка");
    entry.Comment = QStringLiteral("Справка");
    entry.Icon = QStringLiteral("help-browser");
    entry.Document = folder + kHelp;
    return entry;
}
} // namespace

QString WithTrailingSlash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

bool ForceFolders(const QString& path) {
    QString trimmed = path;
    if (trimmed.endsWith(QLatin1Char('/')))
        trimmed.chop(1);
    if (trimmed.isEmpty())
        return false;
    const QString full = WithTrailingSlash(path);
    for (int i = 0; i < full.size(); ++i) {
        if (full[i] != QLatin1Char('/'))
            continue;
        const QString level = full.left(i + 1);
        if (!QFileInfo(level).isDir() && !QDir().mkdir(level))
            return false;
    }
    return true;
}

bool CopyReplacing(const QString& source, const QString& destination) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() || out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            break;
        }
    }
    if (in.error() != QFileDevice::NoError || !out.commit())
        return false;
    return QFile::setPermissions(destination,
                                 in.permissions() | QFile::ReadOwner | QFile::WriteOwner);
}

bool InstallProgramFiles(const QString& program, const QString& sourceFolder,
                         const QString& folder) {
    if (!ForceFolders(folder))
        return false;
    if (!CopyProgram(program, folder + kInstalledProgram))
        return false;
    if (!QFileInfo::exists(folder + kDatabase) &&
        !CopyReplacing(sourceFolder + kDatabase, folder + kDatabase))
        return false;
    return CopyReplacing(sourceFolder + kSettings, folder + kSettings) &&
           CopyReplacing(sourceFolder + kHelp, folder + kHelp);
}

QString MakeStartMenuFolder() {
    const QString programs = SpecialFolderPath(CSIDL_PROGRAMS);
    if (programs.isEmpty())
        return QString();
    const QString folder = WithTrailingSlash(programs) + QStringLiteral("Едомер");
    ForceFolders(folder);
    return folder + QLatin1Char('/');
}

std::vector<TShortcut> CreateShortcuts(const QString& folder, const QString& startMenuFolder,
                                       const QString& desktopFolder) {
    CopyReplacing(kIconResource, folder + kIcon);
    const auto saved = [](const TDesktopEntry& entry, const QString& place, const QString& file,
                          bool onDesktop) {
        return TShortcut{entry.Name, onDesktop,
                         !place.isEmpty() && entry.Save(place + file, onDesktop)};
    };
    return {saved(ProgramEntry(folder), startMenuFolder, kProgramEntry, false),
            saved(HelpEntry(folder), startMenuFolder, kHelpEntry, false),
            saved(ProgramEntry(folder), desktopFolder, kProgramEntry, true)};
}

QStringList ResultLines(const QString& folder, const std::vector<TShortcut>& shortcuts) {
    const QString menu = QStringLiteral(" в меню Пуск\\Едомер");
    QStringList lines{QStringLiteral("Инсталяция успешно завершена"),
                      QStringLiteral("- программа установлена в ") + folder};
    // The start menu takes one line when all its shortcuts are there, else one a shortcut.
    const bool wholeMenu = std::all_of(shortcuts.begin(), shortcuts.end(),
                                       [](const TShortcut& s) { return s.onDesktop || s.made; });
    if (wholeMenu)
        lines << QStringLiteral("- программа добавлена") + menu;
    for (const TShortcut& s : shortcuts) {
        if (s.onDesktop && s.made)
            lines << QStringLiteral("- создан ярлык на рабочем столе");
        else if (s.onDesktop || !wholeMenu)
            lines << (s.made ? QStringLiteral("- создан ярлык «%1»")
                             : QStringLiteral("- не удалось создать ярлык «%1»"))
                             .arg(s.name) +
                         (s.onDesktop ? QStringLiteral(" на рабочем столе") : menu);
    }
    return lines;
}
