#include "ui/UMessage.h"

#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/USkin.h"
#include "ui/UTextFit.h"

#include <QLabel>

TFMessage* FMessage = nullptr;

TFMessage::TFMessage(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("FMessage"));
    SetCaption(QString());
    SetClientSize(289, 120);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 289, 120));
    labMesage = Placed(new QLabel(XiPanel1), "labMesage", QRect(48, 16, 193, 65));
    labMesage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labMesage->setWordWrap(true);
    labMesage->setFont(MsSansSerif8(true));
    labMesage->setAttribute(Qt::WA_TranslucentBackground);
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(107, 79, 75, 25));
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOK1Click(); });
}

void TFMessage::ButOK1Click() {
    SetModalResult(mrOk);
}

int TFMessage::Show(const QString& text, const QWidget* over) {
    SetFittedText(labMesage, MsSansSerif8(true), text);
    CentreOver(over);
    return ShowModal();
}
