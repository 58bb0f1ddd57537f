#include "ui/UDialog.h"

#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UPictures.h"
#include "ui/USkin.h"
#include "ui/UTextFit.h"

#include <QLabel>

TfDialog* fDialog = nullptr;

TfDialog::TfDialog(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fDialog"));
    SetCaption(QString());
    SetClientSize(300, 124);
    xxx = Placed(new TXiPanel(this), "xxx", QRect(0, 0, 300, 124));
    LabMessage = Placed(new QLabel(xxx), "LabMessage", QRect(58, 24, 217, 49));
    LabMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabMessage->setWordWrap(true);
    LabMessage->setFont(MsSansSerif8(true));
    LabMessage->setAttribute(Qt::WA_TranslucentBackground);
    Image1 = Placed(new QLabel(xxx), "Image1", QRect(15, 18, 35, 37));
    Image1->setScaledContents(true);
    Image1->setPixmap(QuestionPicture());
    ButDa = NewButton(xxx, "ButDa", QStringLiteral("Да"), QRect(68, 80, 75, 25));
    ButNo = NewButton(xxx, "ButNo", QStringLiteral("Нет"), QRect(156, 80, 75, 25));
    Connect(ButDa, &QPushButton::clicked, this, [this] { SetModalResult(mrYes); });
    Connect(ButNo, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
}

int TfDialog::Ask(const QString& question, const QWidget* over) {
    SetFittedText(LabMessage, MsSansSerif8(true), question);
    CentreOver(over);
    return ShowModal();
}
