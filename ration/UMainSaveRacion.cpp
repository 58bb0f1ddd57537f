// Saved-ration buttons of the main window.

#include "app/UMain.h"

void TfMain::ConnectSaveRacionHandlers() {}

void TfMain::ButSaveKakClick() {}

void TfMain::ButSaveClick() {}

void TfMain::ButLoadClick() {}

void TfMain::ButClearClick() {}
