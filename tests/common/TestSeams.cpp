#include "tests/common/TestSeams.h"

#include "ui/UDialog.h"
#include "ui/UMessage.h"

#include <QLabel>
#include <QMenu>
#include <QTest>

TScriptedSeams::TScriptedSeams() : FPrevious(&Seams()) {
    InstallSeams(this);
}

TScriptedSeams::~TScriptedSeams() {
    InstallSeams(FPrevious);
    QStringList unexpected;
    for (const QString& name : std::as_const(Unexpected))
        unexpected << QStringLiteral("окно без сценария: ") + name;
    if (FUnreadMessage)
        unexpected << QStringLiteral("сообщение: ") + FMessages.join(QStringLiteral(" | "));
    if (FUnreadBox)
        for (const TRecordedBox& box : FBoxes)
            unexpected << QStringLiteral("окно ошибки: ") + box.text;
    if (!unexpected.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(unexpected.join(QLatin1Char('\n'))), __FILE__, __LINE__);
}

QStringList& TScriptedSeams::Messages() {
    FUnreadMessage = false;
    return FMessages;
}

const std::vector<TRecordedBox>& TScriptedSeams::Boxes() {
    FUnreadBox = false;
    return FBoxes;
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
    if (notice) {
        FMessages << notice->labMesage->text();
        FUnreadMessage = true;
    }
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

QString TScriptedSeams::SaveFileName(QWidget*, const QString& defaultSuffix, const QString& filter,
                                     const QString& proposed) {
    SaveDialogs << defaultSuffix + QLatin1Char('|') + filter;
    SaveProposals << proposed;
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
    FBoxes.push_back({caption, text, icon});
    FUnreadBox = true;
}

void TScriptedSeams::PopupMenu(QMenu* menu, const QPoint& globalPos) {
    PoppedMenu = menu;
    PoppedAt = globalPos;
}

QStringList TScriptedSeams::Errors() {
    QStringList texts;
    for (const auto& box : Boxes())
        if (box.icon == QMessageBox::Critical)
            texts << box.text;
    return texts;
}
