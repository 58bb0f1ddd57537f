// Group editing from the main window.

#include "app/UMain.h"
#include "catalog/UGroupStore.h"
#include "catalog/UGroupTree.h"
#include "catalog/ULevelGrup.h"
#include "catalog/UNewGrup.h"
#include "catalog/UNewPodgrup.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

void TfMain::ConnectGrupEditHandlers() {
    Connect(ButNewGrup1, &QPushButton::clicked, this, [this] { ButNewGrup1Click(); });
    Connect(ButEditGrup, &QPushButton::clicked, this, [this] { ButEditGrupClick(); });
    Connect(ButDelGrup, &QPushButton::clicked, this, [this] { ButDelGrupClick(); });
}

void TfMain::ButNewGrup1Click() {
    if (fLevelGrup->ShowModal() != mrOk)
        return;
    if (fLevelGrup->RadioGroup1->ItemIndex() == 0) {
        fNewGrup->SetCaption(kNewGrupCaption);
        fNewGrup->EdNewGrup->clear();
        fNewGrup->ShowModal();
    } else if (SelectedNode(TVGrup)) {
        fNewPodgrup->SetCaption(kNewPodgrupCaption);
        fNewPodgrup->EdPodgrup->clear();
        fNewPodgrup->ShowModal();
    }
}

void TfMain::ButEditGrupClick() {
    const QTreeWidgetItem* node = SelectedNode(TVGrup);
    if (!node)
        return;
    if (node->parent()) {
        fNewPodgrup->SetCaption(kEditPodgrupCaption);
        fNewPodgrup->EdPodgrup->setText(node->text(0));
        fNewPodgrup->ShowModal();
        return;
    }
    fNewGrup->SetCaption(kEditGrupCaption);
    const bool hasSubgroups = node->childCount() > 0;
    fNewGrup->SetParentChoiceVisible(!hasSubgroups);
    if (!hasSubgroups) {
        QComboBox* choice = fNewGrup->CBGrup;
        choice->clear();
        choice->addItem(QStringLiteral("нет"), -1);
        for (const TGroupRow& group : TopLevelGroupsOtherThan(NodeId(node)))
            choice->addItem(group.name, group.id);
        choice->setCurrentIndex(0);
    }
    fNewGrup->EdNewGrup->setText(node->text(0));
    fNewGrup->ShowModal();
}

void TfMain::ButDelGrupClick() {
    const QTreeWidgetItem* node = SelectedNode(TVGrup);
    if (!node)
        return;
    const QString question =
        QStringLiteral("Удалить группу \"") + node->text(0) +
        QStringLiteral("\" (все продукты, вход. в состав также будут удалены)? ");
    if (fDialog->AskYes(question, this)) {
        DeleteGroupCascade(NodeId(node),
                           node->parent() ? std::nullopt : std::optional<int>(NodePosition(node)));
        APaintTVGrup();
    }
    APaintLVRAc();
}
