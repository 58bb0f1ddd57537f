// Export buttons of the main window: they gather the ration's rows and the Б, Ж, У option.

#include "app/UMain.h"
#include "ration/URacionView.h"
#include "reports/UForumCode.h"
#include "reports/URationWorkbook.h"
#include "reports/Unit1.h"
#include "ui/UErrorBox.h"
#include "ui/USkin.h"

#include <QCheckBox>

void TfMain::ConnectReportHandlers() {
    Connect(ButExcel, &QPushButton::clicked, this, [this] { ButExcelClick(); });
    Connect(ButHTML, &QPushButton::clicked, this, [this] { ButHTMLClick(); });
}

void TfMain::ButExcelClick() {
    ExportRationWorkbook(RacTableRows(), CB2->isChecked(), this);
}

void TfMain::ButHTMLClick() {
    const TRacTable table = RacTableRows();
    if (table.rows.empty())
        return;
    fHTML->ShowCode(BuildForumCode(table, CB2->isChecked(), kWebAddress), this);
}
