#include "ui/USeams.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace {
TSeams& Desktop() {
    static TSeams seams;
    return seams;
}
TSeams* gInstalled = nullptr;
} // namespace

TSeams& Seams() {
    return gInstalled ? *gInstalled : Desktop();
}

void InstallSeams(TSeams* seams) {
    gInstalled = seams;
}

int TSeams::ShowModal(QDialog* dialog) {
    return dialog->exec();
}

QString TSeams::SaveFileName(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                             const QString& proposed) {
    QFileDialog dialog(parent);
    if (!proposed.isEmpty())
        dialog.selectFile(proposed);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setNameFilter(filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TSeams::BrowseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

QSize TSeams::ScreenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1280, 1024);
}

void TSeams::SetClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

bool TSeams::OpenDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool TSeams::StartProcess(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void TSeams::ShowMessageBox(QWidget* parent, const QString& caption, const QString& text,
                            QMessageBox::Icon icon) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}

void TSeams::PopupMenu(QMenu* menu, const QPoint& globalPos) {
    menu->popup(globalPos);
}

void TSeams::Beep() {
    QApplication::beep();
}
