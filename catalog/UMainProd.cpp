// Product list of the main window.

#include "app/UMain.h"

void TfMain::ConnectProdHandlers() {}

void TfMain::APaintTVProdExecute() {}

void TfMain::LVProdClick() {}

void TfMain::LVProdDblClick() {}

void TfMain::LVProdKeyDown(int& key) {
    (void)key;
}

void TfMain::LVProdKeyPress(QChar& key) {
    (void)key;
}

void TfMain::ButNewProdClick() {}

void TfMain::ButEditProdClick() {}

void TfMain::ButDelProdClick() {}
