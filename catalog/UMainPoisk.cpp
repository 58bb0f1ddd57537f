// Product search from the main window.

#include "app/UMain.h"

void TfMain::ConnectPoiskHandlers() {}

void TfMain::EdPoiskChange() {}

void TfMain::EdPoiskExit() {}

void TfMain::EdPoiskKeyPress(QChar& key) {
    (void)key;
}

void TfMain::EdPoiskKeyUp(int key) {
    (void)key;
}

void TfMain::ButPoiskClick() {}
