// Export buttons of the main window.

#include "app/UMain.h"

void TfMain::ConnectReportHandlers() {}

void TfMain::ButExcelClick() {}

void TfMain::ButHTMLClick() {}
