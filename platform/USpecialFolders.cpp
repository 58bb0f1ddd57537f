#include "platform/USpecialFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {
QString Location(int csidl) {
    switch (csidl) {
    case CSIDL_PROGRAM_FILES:
        return QDir::homePath() + QStringLiteral("/.local/opt");
    case CSIDL_PROGRAMS:
        return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
    case CSIDL_DESKTOPDIRECTORY:
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    default:
        return QString();
    }
}
} // namespace

QString SpecialFolderPath(int csidl) {
    QString path = Location(csidl);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path.isEmpty() || !QDir().mkpath(path))
        return QString();
    return path;
}
