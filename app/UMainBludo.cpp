// Ready-dish button of the main window.

#include "app/UMain.h"
#include "dish/UBludo.h"
#include "ui/UErrorBox.h"
#include "ui/UListView.h"
#include "ui/UMessage.h"
#include "ui/USkin.h"

void TfMain::ConnectBludoHandlers() {
    Connect(ButSlozn, &QPushButton::clicked, this, [this] { ButSloznClick(); });
}

void TfMain::ButSloznClick() {
    if (LVRac->Count() == 0) {
        FMessage->Show(QStringLiteral("Пустой рацион сохранить как готовое блюдо нельзя"), this);
        return;
    }
    fBludo->ShowModal();
}
