// Group editing from the main window.

#include "app/UMain.h"

void TfMain::ConnectGrupEditHandlers() {}

void TfMain::ButNewGrup1Click() {}

void TfMain::ButEditGrupClick() {}

void TfMain::ButDelGrupClick() {}
