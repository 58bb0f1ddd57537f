#pragma once
// What the catalog tests share: the rows of tab_grup as text, the tree and list as the user
// sees them, and a mouse click on a tree node.

#include "app/UMain.h"
#include "catalog/UGroupTree.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "ui/UListView.h"

#include <QTest>
#include <QTreeWidget>

// "name num_tv parent-name" of every row, in the order of id_grup.
inline QStringList GroupRows() {
    QStringList rows;
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("SELECT g.naim_grup, g.num_tv, p.naim_grup FROM tab_grup g "
                            "LEFT JOIN tab_grup p ON p.id_grup=g.id_parent ORDER BY g.id_grup"));
    for (q.Open(); !q.Eof(); q.Next())
        rows << QStringLiteral("%1 %2 %3")
                    .arg(q.Fields(0).AsString(), q.Fields(1).AsString(), q.Fields(2).AsString())
                    .trimmed();
    return rows;
}

// The tree in display order, subgroups written "group/subgroup".
inline QStringList TreeTexts() {
    QStringList texts;
    for (const QTreeWidgetItem* node : NodesInDisplayOrder(fMain->TVGrup))
        texts << (node->parent() ? node->parent()->text(0) + QLatin1Char('/') : QString()) +
                     node->text(0);
    return texts;
}

inline QStringList ProductTexts() {
    QStringList texts;
    for (int i = 0; i < fMain->LVProd->Count(); ++i)
        texts << fMain->LVProd->Item(i)->text(0);
    return texts;
}

inline QString SelectedProduct() {
    const QTreeWidgetItem* item = fMain->LVProd->Selected();
    return item ? item->text(0) : QString();
}

inline QString SelectedGroup() {
    const QTreeWidgetItem* node = SelectedNode(fMain->TVGrup);
    return node ? node->text(0) : QString();
}

inline QTreeWidgetItem* Node(const QString& text) {
    return FindNodeByText(fMain->TVGrup, text);
}

inline void ClickNode(QTreeWidgetItem* node) {
    QTreeWidget* tree = fMain->TVGrup;
    for (QTreeWidgetItem* p = node->parent(); p; p = p->parent())
        p->setExpanded(true);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(node).center());
}

inline void ClickNode(const QString& text) {
    ClickNode(Node(text));
}
