#pragma once
// Scripted answers for everything the windows ask of the desktop. A test queues what the
// next modal dialog does; notices (FMessage) and message boxes are recorded and closed by
// themselves. When the seams end, a dialog that had no script, or a notice or box shown after
// the test last looked at Messages(), Boxes() or Errors(), fails the running test.

#include "ui/USeams.h"

#include <QDialog>
#include <QPoint>
#include <deque>
#include <functional>
#include <vector>

struct TRecordedBox {
    QString caption;
    QString text;
    QMessageBox::Icon icon;
};

class TScriptedSeams : public TSeams {
public:
    TScriptedSeams();
    ~TScriptedSeams() override;

    // What the next modal showing does with the dialog; it should close it (a dialog left
    // open is closed as cancelled).
    void OnModal(std::function<void(QDialog*)> script);
    // A script for the next dialog of class T; a notice shown before it is closed by itself.
    template <class T> void OnModalOf(std::function<void(T*)> script) {
        FModal.push_back({[](QDialog* d) { return qobject_cast<T*>(d) != nullptr; },
                          [script](QDialog* d) { script(qobject_cast<T*>(d)); }});
    }
    // The next question (fDialog) is answered with mrYes, mrNo or mrCancel; its text is kept.
    void AnswerQuestion(int result);
    // The next save dialog returns this file name (empty: cancelled).
    void AnswerSaveFile(const QString& path);
    // The next folder browser returns this folder (empty: cancelled).
    void AnswerFolder(const QString& path);

    int ShowModal(QDialog* dialog) override;
    QString SaveFileName(QWidget* parent, const QString& defaultSuffix, const QString& filter,
                         const QString& proposed) override;
    QString BrowseFolder(QWidget* parent, const QString& title) override;
    QSize ScreenSize() override { return Screen; }
    void SetClipboardText(const QString& text) override { Clipboard = text; }
    bool OpenDocument(const QString& path) override;
    bool StartProcess(const QString& program, const QStringList& arguments) override;
    void ShowMessageBox(QWidget* parent, const QString& caption, const QString& text,
                        QMessageBox::Icon icon) override;
    void PopupMenu(QMenu* menu, const QPoint& globalPos) override;
    void Beep() override { ++Beeps; }

    // What the windows did.
    QSize Screen{1280, 1024};
    QStringList& Messages();                  // texts of FMessage, in order
    const std::vector<TRecordedBox>& Boxes(); // error boxes and plain message boxes
    QStringList Questions;                    // texts of fDialog, in order
    QStringList ModalShown;                   // object names of every dialog shown modally
    QStringList Unexpected;                   // dialogs shown without a queued script
    QString Clipboard;
    QStringList OpenedDocuments;
    bool OpenDocumentResult = true;
    QStringList StartedPrograms;
    bool StartProcessResult = true;
    QStringList SaveDialogs;   // "suffix|filter" of each save dialog
    QStringList SaveProposals; // the file or folder each save dialog proposed
    QStringList FolderTitles;
    QMenu* PoppedMenu = nullptr;
    QPoint PoppedAt;
    int Beeps = 0;

    // The texts of the error boxes (icon Critical).
    QStringList Errors();

private:
    struct TScript {
        std::function<bool(QDialog*)> accepts;
        std::function<void(QDialog*)> run;
    };
    std::deque<TScript> FModal;
    std::deque<QString> FSaveFiles;
    std::deque<QString> FFolders;
    QStringList FMessages;
    std::vector<TRecordedBox> FBoxes;
    bool FUnreadMessage = false;
    bool FUnreadBox = false;
    TSeams* FPrevious;
};
