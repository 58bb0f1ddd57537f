#include "catalog/UGroupTree.h"

#include "store/UConnection.h"
#include "store/UQuery.h"

#include <QIcon>
#include <QTreeWidget>
#include <memory>

namespace {

constexpr int kIdRole = Qt::UserRole;

// Siblings of equal num_tv (a deletion leaves them) follow by id_grup, the same on every read.
const QString kTopLevelSql =
    QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0 ORDER BY num_TV,id_grup");
const QString kChildrenSql = QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=");
const QString kChildrenOrder = QStringLiteral(" ORDER BY num_TV,id_grup");

QTreeWidgetItem* NewNode(const QString& text, int id, const QIcon& icon) {
    auto* node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, kIdRole, id);
    node->setIcon(0, icon);
    return node;
}

// Nodes not yet in a tree are owned here, so that a read failing half-way frees them (a node
// frees its children).
using TDetachedNodes = std::vector<std::unique_ptr<QTreeWidgetItem>>;

QList<QTreeWidgetItem*> Released(TDetachedNodes& nodes) {
    QList<QTreeWidgetItem*> released;
    released.reserve(qsizetype(nodes.size()));
    for (std::unique_ptr<QTreeWidgetItem>& node : nodes)
        released.append(node.release());
    return released;
}

// One node per row of the open query: text from column 1, id from column 0.
TDetachedNodes NodesOfRows(TQuery& q, const QIcon& icon) {
    TDetachedNodes nodes;
    nodes.reserve(size_t(q.RecordCount()));
    for (; !q.Eof(); q.Next())
        nodes.emplace_back(NewNode(q.Fields(1).AsString(), q.Fields(0).AsInteger(), icon));
    return nodes;
}

void AppendChildNodes(QTreeWidgetItem* node, TQuery& q, const QIcon& icon) {
    q.SetSQL(kChildrenSql + QString::number(NodeId(node)) + kChildrenOrder);
    q.Open();
    TDetachedNodes children = NodesOfRows(q, icon);
    node->addChildren(Released(children));
}

// The next node of the subtree under root in display order, or nullptr after its last.
QTreeWidgetItem* NextInSubtree(QTreeWidgetItem* node, const QTreeWidgetItem* root) {
    if (node->childCount() > 0)
        return node->child(0);
    while (node != root) {
        QTreeWidgetItem* parent = node->parent();
        const int next = parent->indexOfChild(node) + 1;
        if (next < parent->childCount())
            return parent->child(next);
        node = parent;
    }
    return nullptr;
}

void CollectSubtree(QTreeWidgetItem* node, std::vector<QTreeWidgetItem*>& out) {
    out.push_back(node);
    for (int i = 0; i < node->childCount(); ++i)
        CollectSubtree(node->child(i), out);
}

} // namespace

int NodeId(const QTreeWidgetItem* node) {
    return node->data(0, kIdRole).toInt();
}

QTreeWidgetItem* SelectedNode(const QTreeWidget* tree) {
    QTreeWidgetItem* node = tree->currentItem();
    return node && node->isSelected() ? node : nullptr;
}

void SelectNode(QTreeWidget* tree, QTreeWidgetItem* node) {
    for (QTreeWidgetItem* parent = node->parent(); parent; parent = parent->parent())
        parent->setExpanded(true);
    tree->setCurrentItem(node);
    node->setSelected(true);
    tree->scrollToItem(node);
}

std::vector<QTreeWidgetItem*> NodesInDisplayOrder(const QTreeWidget* tree) {
    std::vector<QTreeWidgetItem*> nodes;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        CollectSubtree(tree->topLevelItem(i), nodes);
    return nodes;
}

int NodeCount(const QTreeWidget* tree) {
    return int(NodesInDisplayOrder(tree).size());
}

QTreeWidgetItem* LastNode(const QTreeWidget* tree) {
    const int count = tree->topLevelItemCount();
    if (count == 0)
        return nullptr;
    QTreeWidgetItem* node = tree->topLevelItem(count - 1);
    while (node->childCount() > 0)
        node = node->child(node->childCount() - 1);
    return node;
}

QTreeWidgetItem* FindNodeById(const QTreeWidget* tree, int id) {
    for (QTreeWidgetItem* node : NodesInDisplayOrder(tree))
        if (NodeId(node) == id)
            return node;
    return nullptr;
}

QTreeWidgetItem* FindNodeByText(const QTreeWidget* tree, const QString& text) {
    for (QTreeWidgetItem* node : NodesInDisplayOrder(tree))
        if (node->text(0) == text)
            return node;
    return nullptr;
}

int NodePosition(const QTreeWidgetItem* node) {
    if (const QTreeWidgetItem* parent = node->parent())
        return parent->indexOfChild(const_cast<QTreeWidgetItem*>(node));
    return node->treeWidget()->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(node));
}

int SubgroupCount(const QTreeWidgetItem* group) {
    return group->childCount();
}

void SwapNodes(QTreeWidgetItem* a, QTreeWidgetItem* b) {
    const QString text = a->text(0);
    const int id = NodeId(a);
    a->setText(0, b->text(0));
    a->setData(0, kIdRole, NodeId(b));
    b->setText(0, text);
    b->setData(0, kIdRole, id);
}

void LoadGroupTree(QTreeWidget* tree, TQuery& q, const QIcon& icon) {
    TReadScope scope(q.Connection());
    tree->clear();
    q.SetSQL(kTopLevelSql);
    q.Open();
    TDetachedNodes groups = NodesOfRows(q, icon);
    // The walk runs on the detached nodes, which the view then takes in one step.
    for (const std::unique_ptr<QTreeWidgetItem>& group : groups)
        for (QTreeWidgetItem* node = group.get(); node; node = NextInSubtree(node, group.get()))
            AppendChildNodes(node, q, icon);
    tree->addTopLevelItems(Released(groups));
    tree->collapseAll();
}

void ReloadChildNodes(QTreeWidgetItem* node, TQuery& q, const QIcon& icon) {
    qDeleteAll(node->takeChildren());
    AppendChildNodes(node, q, icon);
}

void StorePosition(TQuery& q, int position, int idGrup) {
    q.SetSQL(QStringLiteral("Update tab_grup SET num_TV=") + QString::number(position) +
             QStringLiteral(" WHERE id_grup=") + QString::number(idGrup));
    q.ExecSQL();
}
