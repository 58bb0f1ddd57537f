// Group tree of the main window.

#include "app/UMain.h"
#include "catalog/UGroupStore.h"
#include "catalog/UGroupTree.h"
#include "catalog/UNewProd.h"
#include "store/UDM.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/UPaintingSuspended.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QTreeWidget>

void TfMain::ConnectGrupHandlers() {
    // Only a click repaints the product list; moving the selection with the keys does not.
    OnEvent(TVGrup->viewport(), QEvent::MouseButtonRelease, [this](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            TVGrupClick();
    });
    Connect(ButVerh, &QPushButton::clicked, this, [this] { ButVerhClick(); });
    Connect(ButVniz, &QPushButton::clicked, this, [this] { ButVnizClick(); });
}

void TfMain::APaintTVGrupExecute() {
    LoadGroupTree(TVGrup, DM->SQLGrup, IL1);
    if (TVGrup->topLevelItemCount() == 0) {
        APaintTVProd();
        return;
    }
    SelectNode(TVGrup, TVGrup->topLevelItem(0));
    TVGrupClick();
}

void TfMain::APaintCBGrupExecute() {
    QComboBox* choice = fNewProd->CBGrup;
    choice->clear();
    for (QTreeWidgetItem* node : NodesInDisplayOrder(TVGrup)) {
        const QTreeWidgetItem* parent = node->parent();
        choice->addItem(parent ? parent->text(0) + QStringLiteral(" : ") + node->text(0)
                               : node->text(0),
                        NodeId(node));
    }
    const QTreeWidgetItem* selected = SelectedNode(TVGrup);
    choice->setCurrentIndex(selected ? choice->findData(NodeId(selected)) : -1);
}

void TfMain::TVGrupClick() {
    APaintTVProd();
}

void TfMain::ButVerhClick() {
    QTreeWidgetItem* node = SelectedNode(TVGrup);
    if (!node || node == TVGrup->topLevelItem(0))
        return;
    const int position = NodePosition(node);
    if (QTreeWidgetItem* group = node->parent()) {
        if (position == 0)
            return;
        QTreeWidgetItem* upper = group->child(position - 1);
        StorePositions(NodeId(node), position - 1, NodeId(upper), position);
        SwapNodes(upper, node);
        SelectNode(TVGrup, upper);
    } else {
        QTreeWidgetItem* upper = TVGrup->topLevelItem(position - 1);
        StorePositions(NodeId(node), position - 1, NodeId(upper), position);
        TPaintingSuspended suspended(TVGrup);
        SwapNodes(upper, node);
        ReloadChildNodes(upper, DM->SQLGrup, IL1);
        ReloadChildNodes(node, DM->SQLGrup, IL1);
        SelectNode(TVGrup, upper);
    }
    TVGrup->setFocus();
}

void TfMain::ButVnizClick() {
    QTreeWidgetItem* node = SelectedNode(TVGrup);
    if (!node || node == LastNode(TVGrup))
        return;
    const int position = NodePosition(node);
    if (QTreeWidgetItem* group = node->parent()) {
        if (position + 1 >= group->childCount())
            return;
        QTreeWidgetItem* lower = group->child(position + 1);
        StorePositions(NodeId(lower), position, NodeId(node), position + 1);
        SwapNodes(node, lower);
        SelectNode(TVGrup, lower);
    } else {
        if (position + 1 >= TVGrup->topLevelItemCount())
            return;
        QTreeWidgetItem* lower = TVGrup->topLevelItem(position + 1);
        const int movedId = NodeId(node);
        StorePositions(movedId, position + 1, NodeId(lower), position);
        TPaintingSuspended suspended(TVGrup);
        SwapNodes(node, lower);
        ReloadChildNodes(lower, DM->SQLGrup, IL1);
        ReloadChildNodes(node, DM->SQLGrup, IL1);
        SelectNode(TVGrup, FindNodeById(TVGrup, movedId));
        TVGrupClick();
    }
    TVGrup->setFocus();
}
