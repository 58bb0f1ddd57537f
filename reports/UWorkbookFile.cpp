#include "reports/UWorkbookFile.h"

#include "reports/UWorkbook.h"
#include "ui/USeams.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The folder of the last export of this run; none before the first.
QString LastExportFolder;

} // namespace

QString AskWorkbookPath(QWidget* over, const QString& proposedName) {
    QString proposed = proposedName;
    if (!LastExportFolder.isEmpty())
        proposed = QDir(LastExportFolder).filePath(proposedName);
    const QString path =
        Seams().SaveFileName(over, QStringLiteral("xlsx"), QStringLiteral("*.xlsx"), proposed);
    if (!path.isEmpty())
        LastExportFolder = QFileInfo(path).absolutePath();
    return path;
}

void SaveAndOpenWorkbook(const TWorkbook& book, const QString& path) {
    book.SaveAs(path);
    Seams().OpenDocument(path);
}
