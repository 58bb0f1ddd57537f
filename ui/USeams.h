#pragma once
// Everything the windows ask of the desktop goes through here, so that tests can answer it:
// modal showing, file and folder dialogs, the screen size, the clipboard, opening documents,
// starting processes, message boxes and popup menus.

#include <QMessageBox>
#include <QSize>
#include <QString>
#include <QStringList>

class QDialog;
class QMenu;
class QPoint;
class QWidget;

class TSeams {
public:
    virtual ~TSeams() = default;
    // Shows the dialog modally and returns its modal result.
    virtual int ShowModal(QDialog* dialog);
    // The common save dialog, opened on the proposed file or folder (none: the dialog's
    // own); the empty text when the user cancels.
    virtual QString SaveFileName(QWidget* parent, const QString& defaultSuffix,
                                 const QString& filter, const QString& proposed);
    // The folder browser; the empty text when the user cancels.
    virtual QString BrowseFolder(QWidget* parent, const QString& title);
    virtual QSize ScreenSize();
    virtual void SetClipboardText(const QString& text);
    // Opens a document with the desktop's default application.
    virtual bool OpenDocument(const QString& path);
    // Starts a program as a new process without waiting for it.
    virtual bool StartProcess(const QString& program, const QStringList& arguments);
    virtual void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text,
                                QMessageBox::Icon icon);
    virtual void PopupMenu(QMenu* menu, const QPoint& globalPos);
    virtual void Beep();
};

TSeams& Seams();
// Tests install their own; nullptr brings back the desktop's.
void InstallSeams(TSeams* seams);
