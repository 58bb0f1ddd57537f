// The catalog of the ready database: the group tree with a group opened and the product list
// of one of its subgroups.

#include "app/UMain.h"
#include "catalog/UGroupTree.h"
#include "tests/showcase/Showcase.h"

#include <QTreeWidget>

EDOMER_SCENE(catalog, [] {
    QTreeWidget* tree = fMain->TVGrup;
    tree->topLevelItem(0)->setExpanded(true);
    SelectNode(tree, tree->topLevelItem(0)->child(0));
    fMain->TVGrupClick();
})
