// Product search from the main window: the quick search field and the search dialog's opener.

#include "app/UMain.h"
#include "catalog/UPoiskpas.h"
#include "catalog/UProductSearch.h"
#include "store/UDM.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/UKeys.h"
#include "ui/USkin.h"

#include <QFocusEvent>
#include <QLineEdit>

void TfMain::ConnectPoiskHandlers() {
    Connect(EdPoisk, &QLineEdit::textChanged, this, [this] { EdPoiskChange(); });
    // Leaving the field for another control ends the run; a window losing the focus does not.
    OnExit(EdPoisk, [this] { EdPoiskExit(); });
    KeysOf(EdPoisk)->KeyPress = [this](QChar& key) { EdPoiskKeyPress(key); };
    KeysOf(EdPoisk)->KeyUp = [this](int key) { EdPoiskKeyUp(key); };
    Connect(ButPoisk, &QPushButton::clicked, this, [this] { ButPoiskClick(); });
}

void TfMain::EdPoiskChange() {
    DM->SQL1.Close();
}

void TfMain::EdPoiskExit() {
    DM->SQL1.Close();
}

void TfMain::EdPoiskKeyPress(QChar&) {
    // Typed characters go into the field unchanged.
}

void TfMain::EdPoiskKeyUp(int) {
    const QString text = EdPoisk->text();
    if (text.isEmpty())
        return;
    TQuery& run = DM->SQL1;
    if (!run.Active()) {
        OpenSearch(run, TSearchKind::Contains, text);
        if (const auto match = CurrentMatch(run))
            ShowSearchMatch(*match);
        return;
    }
    run.Next();
    if (const auto match = CurrentMatch(run))
        ShowSearchMatch(*match);
    if (run.Eof())
        run.Close();
}

void TfMain::ButPoiskClick() {
    fPoisk->EdPoisk->clear();
    fPoisk->CentreOver(this);
    fPoisk->ShowModal();
}
