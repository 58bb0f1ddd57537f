// Product list of the main window.

#include "app/UMain.h"
#include "catalog/UGroupTree.h"
#include "catalog/UNewProd.h"
#include "catalog/UProductList.h"
#include "store/UDM.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/UKeys.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

void TfMain::ConnectProdHandlers() {
    OnEvent(LVProd->viewport(), QEvent::MouseButtonRelease, [this](QEvent*) { LVProdClick(); });
    Connect(LVProd, &QTreeWidget::itemDoubleClicked, this, [this] { LVProdDblClick(); });
    KeysOf(LVProd)->KeyDown = [this](int& key, Qt::KeyboardModifiers) { LVProdKeyDown(key); };
    KeysOf(LVProd)->KeyPress = [this](QChar& key) { LVProdKeyPress(key); };
    Connect(ButNewProd, &QPushButton::clicked, this, [this] { ButNewProdClick(); });
    Connect(ButEditProd, &QPushButton::clicked, this, [this] { ButEditProdClick(); });
    Connect(ButDelProd, &QPushButton::clicked, this, [this] { ButDelProdClick(); });
}

void TfMain::APaintTVProdExecute() {
    int id = -1;
    if (const QTreeWidgetItem* node = SelectedNode(TVGrup))
        id = NodeId(node);
    else if (TVGrup->topLevelItemCount() > 0)
        id = NodeId(TVGrup->topLevelItem(0));
    FillProductList(LVProd, DM->SQLGrup, id);
}

void TfMain::LVProdClick() {
    if (!LVProd->Selected() && LVProd->Count() > 0)
        LVProd->Select(LVProd->Item(0));
}

void TfMain::LVProdDblClick() {
    ButvRacClick();
}

void TfMain::LVProdKeyDown(int& key) {
    if (key == Qt::Key_Delete)
        ButDelProdClick();
}

void TfMain::LVProdKeyPress(QChar& key) {
    if (IsEnterChar(key) && LVProd->Selected())
        ButvRacClick();
}

void TfMain::ButNewProdClick() {
    fNewProd->SetCaption(kNewProdCaption);
    if (!DM->TableProd.Active())
        DM->TableProd.Open();
    DM->TableProd.Append();
    fNewProd->ShowModal();
    APaintTVProd();
}

void TfMain::ButEditProdClick() {
    const QTreeWidgetItem* item = LVProd->Selected();
    if (!item)
        return;
    fNewProd->SetCaption(kEditProdCaption);
    DM->TableProd.Open();
    if (!DM->TableProd.Locate(TListView::Data(item)))
        return;
    DM->TableProd.Edit();
    fNewProd->ShowModal();
}

void TfMain::ButDelProdClick() {
    const QTreeWidgetItem* item = LVProd->Selected();
    if (!item)
        return;
    DeleteProduct(DM->ADOTrans, DM->SQLGrup, TListView::Data(item));
    APaintTVProd();
    APaintLVRAc();
}
