#include "ration/URacionView.h"

#include "ui/UListView.h"
#include "ui/UMainWindowFace.h"

TRacRow RacRowOf(const QTreeWidgetItem* item) {
    TRacRow row;
    row.caption = TListView::Caption(item);
    for (int k = 0; k < 7; ++k)
        row.sub << TListView::SubItem(item, k);
    row.data = TListView::Data(item);
    return row;
}

TRacTable RacTableRows() {
    const TMainWindowFace* main = MainWindow();
    TRacTable table;
    for (int i = 0; i < main->LVRac->Count(); ++i)
        table.rows.push_back(RacRowOf(main->LVRac->Item(i)));
    for (int i = 0; i < main->LVItog->Count(); ++i)
        table.itog.push_back(RacRowOf(main->LVItog->Item(i)));
    return table;
}
