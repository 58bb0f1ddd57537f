// The catalog of the ready database: the group tree with a group opened and the product list
// of one of its subgroups; the group chooser and dialogs; the search dialog in both heights.

#include "app/UMain.h"
#include "catalog/UGroupStore.h"
#include "catalog/UGroupTree.h"
#include "catalog/ULevelGrup.h"
#include "catalog/UNewGrup.h"
#include "catalog/UNewPodgrup.h"
#include "catalog/UPoiskpas.h"
#include "tests/showcase/Showcase.h"
#include "ui/URadioGroup.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

void SelectSubgroup(int group, int subgroup) {
    QTreeWidget* tree = fMain->TVGrup;
    SelectNode(tree, tree->topLevelItem(group)->child(subgroup));
    fMain->TVGrupClick();
}

void ShowOverMain(TForm* dialog) {
    dialog->CentreOver(fMain);
    dialog->show();
}

void Search(int mode, const QString& text) {
    fPoisk->RG->SetItemIndex(mode);
    fPoisk->EdPoisk->setText(text);
    fPoisk->ButOKClick();
    ShowOverMain(fPoisk);
}

} // namespace

EDOMER_SCENE(catalog, [] { SelectSubgroup(0, 0); })

EDOMER_SCENE(catalog_level, [] { ShowOverMain(fLevelGrup); })

EDOMER_SCENE(catalog_group_new, [] {
    fNewGrup->SetCaption(kNewGrupCaption);
    fNewGrup->EdNewGrup->setText(QStringLiteral("Соусы и приправы"));
    ShowOverMain(fNewGrup);
})

EDOMER_SCENE(catalog_group_edit, [] {
    QTreeWidgetItem* node = FindNodeByText(fMain->TVGrup, QStringLiteral("Яйца"));
    SelectNode(fMain->TVGrup, node);
    fMain->TVGrupClick();
    fNewGrup->SetCaption(kEditGrupCaption);
    fNewGrup->SetParentChoiceVisible(true);
    fNewGrup->CBGrup->addItem(QStringLiteral("нет"), -1);
    for (const TGroupRow& group : TopLevelGroupsOtherThan(NodeId(node)))
        fNewGrup->CBGrup->addItem(group.name, group.id);
    fNewGrup->EdNewGrup->setText(node->text(0));
    ShowOverMain(fNewGrup);
})

EDOMER_SCENE(catalog_subgroup, [] {
    SelectSubgroup(0, 1);
    fNewPodgrup->SetCaption(kEditPodgrupCaption);
    fNewPodgrup->EdPodgrup->setText(SelectedNode(fMain->TVGrup)->text(0));
    ShowOverMain(fNewPodgrup);
})

EDOMER_SCENE(catalog_search, [] { Search(TfPoisk::kByWord, QStringLiteral("сыр")); })

EDOMER_SCENE(catalog_search_list, [] { Search(TfPoisk::kAsList, QStringLiteral("молоко")); })
