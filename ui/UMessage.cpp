#include "ui/UMessage.h"

#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/USkin.h"

#include <QLabel>

TFMessage* FMessage = nullptr;

TFMessage::TFMessage(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("FMessage"));
    SetCaption(QString());
    SetClientSize(289, 120);
    XiPanel1 = new TXiPanel(this);
    XiPanel1->setObjectName(QStringLiteral("XiPanel1"));
    XiPanel1->setGeometry(0, 0, 289, 120);
    labMesage = new QLabel(XiPanel1);
    labMesage->setObjectName(QStringLiteral("labMesage"));
    labMesage->setGeometry(48, 16, 193, 65);
    labMesage->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    labMesage->setWordWrap(true);
    labMesage->setFont(MsSansSerif8(true));
    labMesage->setAttribute(Qt::WA_TranslucentBackground);
    ButOK = new TXiButton(QStringLiteral("ОК"), XiPanel1);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(107, 79, 75, 25);
    Connect(ButOK, &QPushButton::clicked, this, [this] { ButOK1Click(); });
}

void TFMessage::ButOK1Click() {
    SetModalResult(mrOk);
}

int TFMessage::Show(const QString& text, const QWidget* over) {
    labMesage->setText(text);
    CentreOver(over);
    return ShowModal();
}
