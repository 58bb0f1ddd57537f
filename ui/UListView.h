#pragma once
// The report-style list used by every window: columns with titles and widths, items with a
// caption, sub-items and an integer carried as data, optional grid lines, whole-row selection
// that stays visible without the focus.

#include <QStringList>
#include <QTreeWidget>
#include <utility>
#include <vector>

struct TListRow {
    QString caption;
    QStringList subItems;
    int data;
};

struct TListColumn {
    QString title;
    int width;
    Qt::Alignment alignment = Qt::AlignLeft;
};

class TListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit TListView(QWidget* parent);

    void SetColumns(const std::vector<TListColumn>& columns);
    void SetGridLines(bool on);
    void SetShowColumnHeaders(bool on);
    void SetColumnWidth(int column, int width);
    int ColumnWidth(int column) const { return columnWidth(column); }

    int Count() const { return topLevelItemCount(); }
    QTreeWidgetItem* Item(int index) const { return topLevelItem(index); }
    QTreeWidgetItem* AddItem(const QString& caption, const QStringList& subItems, int data);
    // Appends many items in one step, far cheaper than one AddItem each for long lists.
    void AddItems(const std::vector<TListRow>& rows);
    // The caption is column 0; sub-item i is column i + 1.
    static QString Caption(const QTreeWidgetItem* item) { return item->text(0); }
    static QString SubItem(const QTreeWidgetItem* item, int index) { return item->text(index + 1); }
    static void SetSubItem(QTreeWidgetItem* item, int index, const QString& text);
    static int Data(const QTreeWidgetItem* item);

    QTreeWidgetItem* Selected() const;
    void Select(QTreeWidgetItem* item);
    void Clear() { clear(); }

    bool GridLines() const { return FGridLines; }

private:
    QTreeWidgetItem* NewItem(const QString& caption, const QStringList& subItems, int data) const;

    bool FGridLines = false;
    std::vector<Qt::Alignment> FAlignments;
};

// Keeps the selection's colours when a view loses the focus.
void KeepSelectionVisible(QWidget* view);
