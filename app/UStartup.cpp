#include "app/UStartup.h"

#include "app/UMain.h"
#include "catalog/ULevelGrup.h"
#include "catalog/UNewGrup.h"
#include "catalog/UNewMera.h"
#include "catalog/UNewPodgrup.h"
#include "catalog/UNewProd.h"
#include "catalog/UPoiskpas.h"
#include "diary/UDnevnik.h"
#include "diary/UNorma.h"
#include "dish/UBludo.h"
#include "dish/UPorc.h"
#include "installer/UfSetup.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "reports/Unit1.h"
#include "store/UDM.h"
#include "store/UDailyCopy.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UMessage.h"
#include "ui/USeams.h"

#include <QApplication>
#include <QFileInfo>

bool IsSetupMode(const QString& executablePath) {
    QString name = QFileInfo(executablePath).fileName();
    for (QChar& c : name)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return name == QLatin1String("SETUP.EXE");
}

namespace {

// Creates one dialog of the main window and runs its creation handler.
template <class T> T* CreateForm(T*& instance, QWidget* owner) {
    Guard([&] {
        instance = new T(owner);
        instance->FormCreate();
    });
    return instance;
}

} // namespace

TApplicationForms::TApplicationForms(bool setupMode, bool showMain) {
    if (setupMode)
        Guard([&] {
            FSetup = std::make_unique<TfSetup>();
            fSetup = FSetup.get();
            fSetup->FormCreate();
        });
    // The application title names the error boxes. The display name is empty but not null:
    // the toolkit appends a display name to every window title, and gives a window whose
    // caption is empty the application name unless the display name is an empty text.
    QApplication::setApplicationName(TfMain::kProductName);
    QApplication::setApplicationDisplayName(QStringLiteral(""));
    Guard([&] {
        FDM = std::make_unique<TDM>();
        DM = FDM.get();
    });
    // The day's copy of the user's data, before anything of it changes; the installer's own
    // folder gets none.
    if (DM && !setupMode)
        WriteDailyCopy(DM->ADOTrans.DatabasePath(), QDate::currentDate());
    FMain = std::make_unique<TfMain>();
    fMain = FMain.get();
    Guard([] { fMain->FormCreate(); });
    if (showMain)
        ShowMainForm();
    CreateForm(fNewProd, fMain);
    CreateForm(FMessage, fMain);
    CreateForm(fNewMera, fMain);
    CreateForm(fDialog, fMain);
    CreateForm(fNewGrup, fMain);
    CreateForm(fLevelGrup, fMain);
    CreateForm(fNewPodgrup, fMain);
    CreateForm(fVvod, fMain);
    CreateForm(fSaveRacion, fMain);
    CreateForm(fBludo, fMain);
    CreateForm(fPorc, fMain);
    CreateForm(fHTML, fMain);
    CreateForm(fPoisk, fMain);
    CreateForm(fNorma, fMain);
    CreateForm(fDnevnik, fMain);
}

TApplicationForms::~TApplicationForms() {
    FMain.reset();
    fMain = nullptr;
    fNewProd = nullptr;
    FMessage = nullptr;
    fNewMera = nullptr;
    fDialog = nullptr;
    fNewGrup = nullptr;
    fLevelGrup = nullptr;
    fNewPodgrup = nullptr;
    fVvod = nullptr;
    fSaveRacion = nullptr;
    fBludo = nullptr;
    fPorc = nullptr;
    fHTML = nullptr;
    fPoisk = nullptr;
    fNorma = nullptr;
    fDnevnik = nullptr;
    FDM.reset();
    DM = nullptr;
    FSetup.reset();
    fSetup = nullptr;
}

QWidget* TApplicationForms::MainForm() const {
    return FSetup ? static_cast<QWidget*>(FSetup.get()) : static_cast<QWidget*>(FMain.get());
}

void TApplicationForms::ShowMainForm() const {
    QWidget* form = MainForm();
    const QSize screen = Seams().ScreenSize();
    form->move((screen.width() - form->width()) / 2, (screen.height() - form->height()) / 2);
    form->show();
}
