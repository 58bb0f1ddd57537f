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

const std::vector<TShortcut> kAllMade = {{QStringLiteral("Едомер"), false, true},
                                         {QStringLiteral("Справка"), false, true},
                                         {QStringLiteral("Едомер"), true, true}};
} // namespace

EDOMER_SCENE(setup1, [] { ShowSetup(); })

EDOMER_SCENE(setup2, [] {
    TfSetup* setup = ShowSetup();
    setup->CB->click();
    setup->ButDalee1->click();
})

EDOMER_SCENE(setup3, [] {
    TfSetup* setup = ShowSetup();
    setup->CB->click();
    setup->ButDalee1->click();
    for (const QString& line : ResultLines(setup->EdProgFiles->text(), kAllMade))
        setup->Memo2->appendPlainText(line);
    setup->Pan3->show();
    setup->Pan3->raise();
})
