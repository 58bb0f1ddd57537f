// Ration table and day total of the main window.

#include "app/UMain.h"
#include "ration/URacionTable.h"
#include "ration/URacionView.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "ui/UErrorBox.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/UPaintingSuspended.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace {

void AddRow(TListView* list, const TRacRow& row) {
    list->AddItem(row.caption, row.sub, row.data);
}

void ShowRow(QTreeWidgetItem* item, const TRacRow& row) {
    for (int k = 0; k < 7; ++k)
        TListView::SetSubItem(item, k, row.sub[k]);
}

} // namespace

void TfMain::ConnectRacionHandlers() {
    KeysOf(LVRac)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { LVRacKeyDown(key); };
    Connect(CB1, &QCheckBox::clicked, this, [this] { CB1Click(); });
    Connect(CB2, &QCheckBox::clicked, this, [this] { CB2Click(); });
    Connect(CBProc, &QCheckBox::clicked, this, [this] { CBProcClick(); });
}

void TfMain::APaintLVRAcExecute() {
    TPaintingSuspended suspended(LVRac);
    LVRac->Clear();
    LVItog->Clear();
    TReadScope scope(DM->ADOTrans);
    TStoreRacLookups lookups;
    const TRacTable table =
        BuildRacTable(ArraySave, {CB1->isChecked(), CBProc->isChecked()}, lookups);
    for (const TRacRow& row : table.rows)
        AddRow(LVRac, row);
    for (int i = 0; i < LVRac->Count(); ++i)
        LVRacCustomDrawItem(LVRac->Item(i));
    for (const TRacRow& row : table.itog)
        AddRow(LVItog, row);
    // The list shows the day-total row only; the sums in grams stay out of sight.
    if (LVItog->Count() > 1)
        LVItog->Item(1)->setHidden(true);
    APaintNorma();
}

void TfMain::ADeleteRacExecute() {
    if (Label1->text().isEmpty() || LVRac->Count() > 0)
        return;
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_racion WHERE id_rac=:id"));
    q.SetParam(QStringLiteral("id"), fVvod->CurRacId);
    q.Open();
    if (q.RecordCount() == 0) {
        q.SetSQL(QStringLiteral("DELETE FROM tab_nazv_rac WHERE id=:id"));
        q.SetParam(QStringLiteral("id"), fVvod->CurRacId);
        q.ExecSQL();
        Label1->clear();
        fVvod->CurRacId = -1;
        return;
    }
    Label1->clear();
}

void TfMain::LVRacCustomDrawItem(QTreeWidgetItem* item) {
    if (TListView::SubItem(item, 1) != kMealTotalText)
        return;
    QFont bold = LVRac->font();
    bold.setBold(true);
    for (int c = 0; c < LVRac->columnCount(); ++c) {
        item->setBackground(c, QColor(253, 242, 198));
        item->setForeground(c, QColor(0, 0, 255));
        item->setFont(c, bold);
    }
}

void TfMain::LVRacKeyDown(int& key) {
    if (key != Qt::Key_Delete)
        return;
    const QTreeWidgetItem* row = LVRac->Selected();
    if (!row || TListView::SubItem(row, 0).isEmpty())
        return;
    const int i = TListView::Data(row);
    if (i < 0 || i >= int(ArraySave.size()))
        return;
    ArraySave.erase(ArraySave.begin() + i);
    RacionSaved = false;
    APaintLVRAc();
}

void TfMain::CB1Click() {
    APaintLVRAc();
}

void TfMain::CB2Click() {
    const bool shown = CB2->isChecked();
    for (TListView* list : {LVRac, LVItog})
        for (int c = 5; c <= 7; ++c)
            list->SetColumnWidth(c, shown ? 50 : 0);
    CBProc->setVisible(shown);
    EProc->setVisible(shown);
}

void TfMain::CBProcClick() {
    const bool percent = CBProc->isChecked();
    EProc->setText(percent ? QStringLiteral("%") : QStringLiteral("г."));
    if (LVItog->Count() < 2)
        return;
    TRacRow dayTotal = RacRowOf(LVItog->Item(0));
    FillDayTotal(dayTotal, RacRowOf(LVItog->Item(1)), percent);
    ShowRow(LVItog->Item(0), dayTotal);
}
