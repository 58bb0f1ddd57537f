#include "ui/UListView.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int kDataRole = Qt::UserRole;

// Draws the cell and, for lists with grid lines, its right and bottom edge.
class TGridDelegate : public QStyledItemDelegate {
public:
    explicit TGridDelegate(TListView* view) : QStyledItemDelegate(view), FView(view) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!FView->GridLines())
            return;
        painter->save();
        painter->setPen(QColor(208, 208, 208));
        const QRect r = option.rect;
        painter->drawLine(r.topRight(), r.bottomRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        painter->restore();
    }

private:
    TListView* FView;
};

} // namespace

void KeepSelectionVisible(QWidget* view) {
    QPalette palette = view->palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

TListView::TListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAllColumnsShowFocus(true);
    header()->setMinimumSectionSize(0);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    setItemDelegate(new TGridDelegate(this));
    KeepSelectionVisible(this);
}

void TListView::SetColumns(const std::vector<TListColumn>& columns) {
    setColumnCount(int(columns.size()));
    QStringList titles;
    FAlignments.clear();
    for (const auto& column : columns) {
        titles << column.title;
        FAlignments.push_back(column.alignment);
    }
    setHeaderLabels(titles);
    for (int i = 0; i < int(columns.size()); ++i) {
        setColumnWidth(i, columns[std::size_t(i)].width);
        headerItem()->setTextAlignment(i, columns[std::size_t(i)].alignment | Qt::AlignVCenter);
    }
}

void TListView::SetGridLines(bool on) {
    FGridLines = on;
    viewport()->update();
}

void TListView::SetShowColumnHeaders(bool on) {
    setHeaderHidden(!on);
}

void TListView::SetColumnWidth(int column, int width) {
    setColumnWidth(column, width);
}

QTreeWidgetItem* TListView::NewItem(const QString& caption, const QStringList& subItems,
                                    int data) const {
    auto* item = new QTreeWidgetItem;
    item->setText(0, caption);
    for (int i = 0; i < subItems.size(); ++i)
        item->setText(i + 1, subItems.at(i));
    item->setData(0, kDataRole, data);
    for (int i = 0; i < int(FAlignments.size()); ++i)
        item->setTextAlignment(i, FAlignments[std::size_t(i)] | Qt::AlignVCenter);
    return item;
}

QTreeWidgetItem* TListView::AddItem(const QString& caption, const QStringList& subItems, int data) {
    QTreeWidgetItem* item = NewItem(caption, subItems, data);
    addTopLevelItem(item);
    return item;
}

void TListView::AddItems(const std::vector<TListRow>& rows) {
    QList<QTreeWidgetItem*> items;
    items.reserve(qsizetype(rows.size()));
    for (const TListRow& row : rows)
        items.append(NewItem(row.caption, row.subItems, row.data));
    addTopLevelItems(items);
}

void TListView::SetSubItem(QTreeWidgetItem* item, int index, const QString& text) {
    item->setText(index + 1, text);
}

int TListView::Data(const QTreeWidgetItem* item) {
    return item->data(0, kDataRole).toInt();
}

QTreeWidgetItem* TListView::Selected() const {
    const auto items = selectedItems();
    return items.isEmpty() ? nullptr : items.constFirst();
}

void TListView::Select(QTreeWidgetItem* item) {
    clearSelection();
    if (!item)
        return;
    setCurrentItem(item);
    item->setSelected(true);
}
