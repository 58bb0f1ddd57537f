// Saved-ration buttons of the main window.

#include "app/UMain.h"
#include "ration/URacion.h"
#include "ration/URacionStore.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "ui/UDialog.h"
#include "ui/UErrorBox.h"
#include "ui/UListView.h"
#include "ui/UMessage.h"
#include "ui/USkin.h"

#include <QLabel>

namespace {

// Returns the dialog's modal result: mrOk only when it saved or loaded.
int OpenSaveRacion(QWidget* over, int listTop, int listHeight, const QString& caption) {
    fSaveRacion->PlaceList(listTop, listHeight);
    fSaveRacion->SetCaption(caption);
    fSaveRacion->CentreOver(over);
    return fSaveRacion->ShowModal();
}

} // namespace

void TfMain::ConnectSaveRacionHandlers() {
    Connect(ButSaveKak, &QPushButton::clicked, this, [this] { ButSaveKakClick(); });
    Connect(ButSave, &QPushButton::clicked, this, [this] { ButSaveClick(); });
    Connect(ButLoad, &QPushButton::clicked, this, [this] { ButLoadClick(); });
    Connect(ButClear, &QPushButton::clicked, this, [this] { ButClearClick(); });
}

void TfMain::ButSaveKakClick() {
    // A current saved ration deleted in the load dialog is forgotten, so that nothing is
    // written under an id that no saved ration carries.
    if (fVvod->CurRacId >= 0 && !SavedRacionExists(fVvod->CurRacId)) {
        fVvod->CurRacId = -1;
        Label1->clear();
    }
    if (LVRac->Count() == 0) {
        FMessage->Show(QStringLiteral("Пустой рацион сохранить нельзя"), this);
        return;
    }
    if (fVvod->CurRacId < 0) {
        OpenSaveRacion(this, 74, 145, TfSaveRacion::kSaveCaption);
        return;
    }
    ResaveRacion(fVvod->CurRacId, ArraySave);
    RacionSaved = true;
}

void TfMain::ButSaveClick() {
    OpenSaveRacion(this, 64, 145, TfSaveRacion::kSaveCaption);
}

void TfMain::ButLoadClick() {
    // A dialog closed without loading keeps the unsaved changes marked as unsaved.
    const bool savedBefore = RacionSaved;
    RacionSaved = true;
    if (OpenSaveRacion(this, 16, 173, TfSaveRacion::kLoadCaption) != mrOk)
        RacionSaved = savedBefore;
}

void TfMain::ButClearClick() {
    if (LVRac->Count() > 0 && fDialog->AskYes(QStringLiteral("Очистить текущий рацион?"), this)) {
        LVRac->Clear();
        LVItog->Clear();
        ArraySave.clear();
        fVvod->CurRacId = -1;
        Label1->clear();
        RacionSaved = true;
        ANoEnable();
        APaintNorma();
    }
    ADeleteRac();
}
