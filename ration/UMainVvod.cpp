// Openers of the entry dialog.

#include "app/UMain.h"

void TfMain::ConnectVvodHandlers() {}

void TfMain::ButvRacClick() {}

void TfMain::LVRacDblClick() {}
