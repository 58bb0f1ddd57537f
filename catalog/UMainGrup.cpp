// Group tree of the main window.

#include "app/UMain.h"

void TfMain::ConnectGrupHandlers() {}

void TfMain::APaintTVGrupExecute() {}

void TfMain::APaintCBGrupExecute() {}

void TfMain::TVGrupClick() {}

void TfMain::ButVerhClick() {}

void TfMain::ButVnizClick() {}
