#include "tests/common/TestSeams.h"

#include "ui/UDialog.h"
#include "ui/UMessage.h"

#include <QLabel>
#include <QMenu>

TScriptedSeams::TScriptedSeams() {
    InstallSeams(this);
}

TScriptedSeams::~TScriptedSeams() {
    InstallSeams(nullptr);
}

void TScriptedSeams::OnModal(std::function<void(QDialog*)> script) {
    FModal.push_back({[](QDialog*) { return true; }, std::move(script)});
}

void TScriptedSeams::AnswerQuestion(int result) {
    OnModalOf<TfDialog>([result](TfDialog* dialog) { dialog->SetModalResult(result); });
}

void TScriptedSeams::AnswerSaveFile(const QString& path) {
    FSaveFiles.push_back(path);
}

void TScriptedSeams::AnswerFolder(const QString& path) {
    FFolders.push_back(path);
}

int TScriptedSeams::ShowModal(QDialog* dialog) {
    ModalShown << dialog->objectName();
    if (auto* question = qobject_cast<TfDialog*>(dialog))
        Questions << question->LabMessage->text();
    auto* notice = qobject_cast<TFMessage*>(dialog);
    if (notice)
        Messages << notice->labMesage->text();
    const bool scripted = !FModal.empty() && FModal.front().accepts(dialog);
    if (!scripted && notice)
        return mrOk;
    if (!scripted) {
        Unexpected << dialog->objectName();
        return mrCancel;
    }
    auto script = std::move(FModal.front().run);
    FModal.pop_front();
    dialog->setResult(mrNone);
    dialog->show();
    script(dialog);
    if (dialog->isVisible())
        dialog->done(mrCancel);
    return dialog->result();
}

QString TScriptedSeams::SaveFileName(QWidget*, const QString& defaultSuffix,
                                     const QString& filter) {
    SaveDialogs << defaultSuffix + QLatin1Char('|') + filter;
    if (FSaveFiles.empty())
        return QString();
    const QString path = FSaveFiles.front();
    FSaveFiles.pop_front();
    return path;
}

QString TScriptedSeams::BrowseFolder(QWidget*, const QString& title) {
    FolderTitles << title;
    if (FFolders.empty())
        return QString();
    const QString path = FFolders.front();
    FFolders.pop_front();
    return path;
}

bool TScriptedSeams::OpenDocument(const QString& path) {
    OpenedDocuments << path;
    return OpenDocumentResult;
}

bool TScriptedSeams::StartProcess(const QString& program, const QStringList& arguments) {
    StartedPrograms << (arguments.isEmpty()
                            ? program
                            : program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
    return StartProcessResult;
}

void TScriptedSeams::ShowMessageBox(QWidget*, const QString& caption, const QString& text,
                                    QMessageBox::Icon icon) {
    Boxes.push_back({caption, text, icon});
}

void TScriptedSeams::PopupMenu(QMenu* menu, const QPoint& globalPos) {
    PoppedMenu = menu;
    PoppedAt = globalPos;
}

QStringList TScriptedSeams::Errors() const {
    QStringList texts;
    for (const auto& box : Boxes)
        if (box.icon == QMessageBox::Critical)
            texts << box.text;
    return texts;
}
