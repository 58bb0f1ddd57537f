#pragma once
// The file of an exported workbook: asked for in the folder of the last export, written, then
// opened on the desktop.

#include <QString>

class QWidget;
class TWorkbook;

// The save dialog over the window, proposing the name in the folder of the last export; the
// empty text when the user cancels. The chosen folder becomes the last export's.
QString AskWorkbookPath(QWidget* over, const QString& proposedName = QString());

// Writes the workbook, leaving no partial file on a failure (EWorkbookError), and opens it.
void SaveAndOpenWorkbook(const TWorkbook& book, const QString& path);
