// Ration table and day total of the main window.

#include "app/UMain.h"
#include "ration/URacionTable.h"

void TfMain::ConnectRacionHandlers() {}

void TfMain::APaintLVRAcExecute() {}

void TfMain::ADeleteRacExecute() {}

void TfMain::LVRacCustomDrawItem(QTreeWidgetItem* item) {
    (void)item;
}

void TfMain::LVRacKeyDown(int& key) {
    (void)key;
}

void TfMain::CB1Click() {}

void TfMain::CB2Click() {}

void TfMain::CBProcClick() {}
TRacTable TfMain::RacTableRows() const {
    return {};
}
