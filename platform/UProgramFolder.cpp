#include "platform/UProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& Override() {
    static QString path;
    return path;
}
} // namespace

QString ProgramFilePath() {
    return Override().isEmpty() ? QCoreApplication::applicationFilePath() : Override();
}

QString ProgramFolder() {
    QString folder = QFileInfo(ProgramFilePath()).absolutePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

void OverrideProgramFilePath(const QString& path) {
    Override() = path;
}
