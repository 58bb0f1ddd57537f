#include "tests/showcase/Showcase.h"

#include "app/UMain.h"
#include "installer/UInstall.h"
#include "installer/UfSetup.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <memory>

namespace {
// The installer window alone on the screen, as setup mode shows it.
TfSetup* ShowSetup() {
    static std::unique_ptr<TfSetup> setup;
    setup = std::make_unique<TfSetup>();
    fMain->hide();
    setup->show();
    return setup.get();
}

// The result page; the help's menu shortcut and the desktop's are made as given.
void ShowResult(bool helpMade, bool desktopMade) {
    TfSetup* setup = ShowSetup();
    setup->CB->click();
    setup->ButDalee1->click();
    const std::vector<TShortcut> shortcuts = {{QStringLiteral("Едомер"), false, true},
                                              {QStringLiteral("Справка"), false, helpMade},
                                              {QStringLiteral("Едомер"), true, desktopMade}};
    for (const QString& line : ResultLines(setup->EdProgFiles->text(), shortcuts))
        setup->Memo2->appendPlainText(line);
    setup->Pan3->show();
    setup->Pan3->raise();
}
} // namespace

EDOMER_SCENE(setup1, [] { ShowSetup(); })

EDOMER_SCENE(setup2, [] {
    TfSetup* setup = ShowSetup();
    setup->CB->click();
    setup->ButDalee1->click();
})

EDOMER_SCENE(setup3, [] { ShowResult(true, true); })
EDOMER_SCENE(setup3failed, [] { ShowResult(false, false); })
