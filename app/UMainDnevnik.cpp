// The diary window's button in the main window's button bar, beside the norm's.

#include "app/UMain.h"
#include "diary/UDnevnik.h"
#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/USkin.h"

void TfMain::CreateDnevnikButton() {
    const QRect norma = ButNorma->geometry();
    ButDnevnik = NewButton(XiPanel1, "ButDnevnik", QStringLiteral("Дневник"),
                           QRect(norma.right() + 1 + 8, norma.top(), norma.width(), norma.height()),
                           QStringLiteral("Дни, вес и расход энергии за период"));
}

void TfMain::ConnectDnevnikHandlers() {
    Connect(ButDnevnik, &QPushButton::clicked, this, [this] { ButDnevnikClick(); });
}

void TfMain::ButDnevnikClick() {
    fDnevnik->CentreOver(this);
    fDnevnik->ShowModal();
}
