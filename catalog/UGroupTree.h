#pragma once
// The nodes of the group tree: each shows a group's name and carries its id_grup. Loading them
// from tab_grup, walking them in display order (a node, its children, then its next sibling)
// and storing a node's place among its siblings as its num_tv.

#include <QString>
#include <vector>

class QIcon;
class QTreeWidget;
class QTreeWidgetItem;
class TQuery;

int NodeId(const QTreeWidgetItem* node);
// The node shown selected, or nullptr.
QTreeWidgetItem* SelectedNode(const QTreeWidget* tree);
// Selects the node and scrolls to it, opening its group when it is a subgroup.
void SelectNode(QTreeWidget* tree, QTreeWidgetItem* node);

std::vector<QTreeWidgetItem*> NodesInDisplayOrder(const QTreeWidget* tree);
int NodeCount(const QTreeWidget* tree);
QTreeWidgetItem* LastNode(const QTreeWidget* tree);
QTreeWidgetItem* FindNodeById(const QTreeWidget* tree, int id);
QTreeWidgetItem* FindNodeByText(const QTreeWidget* tree, const QString& text);

// The 0-based index of the node among its siblings.
int NodePosition(const QTreeWidgetItem* node);
// The position of the group's last subgroup plus one, 0 without subgroups.
int SubgroupCount(const QTreeWidgetItem* group);
// The two nodes exchange their texts and ids.
void SwapNodes(QTreeWidgetItem* a, QTreeWidgetItem* b);

// Rebuilds the tree from tab_grup with one query per node; every group ends collapsed.
void LoadGroupTree(QTreeWidget* tree, TQuery& q, const QIcon& icon);
// Discards the node's children and reads them from the store again.
void ReloadChildNodes(QTreeWidgetItem* node, TQuery& q, const QIcon& icon);
// Writes the position as the num_tv of the group's row.
void StorePosition(TQuery& q, int position, int idGrup);
