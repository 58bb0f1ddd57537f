// Ready-dish button of the main window.

#include "app/UMain.h"

void TfMain::ConnectBludoHandlers() {}

void TfMain::ButSloznClick() {}
