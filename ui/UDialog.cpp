#include "ui/UDialog.h"

#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/UPictures.h"
#include "ui/USkin.h"

#include <QLabel>

TfDialog* fDialog = nullptr;

TfDialog::TfDialog(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fDialog"));
    SetCaption(QString());
    SetClientSize(300, 124);
    xxx = new TXiPanel(this);
    xxx->setObjectName(QStringLiteral("xxx"));
    xxx->setGeometry(0, 0, 300, 124);
    LabMessage = new QLabel(xxx);
    LabMessage->setObjectName(QStringLiteral("LabMessage"));
    LabMessage->setGeometry(58, 24, 217, 49);
    LabMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabMessage->setWordWrap(true);
    LabMessage->setFont(MsSansSerif8(true));
    LabMessage->setAttribute(Qt::WA_TranslucentBackground);
    Image1 = new QLabel(xxx);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(15, 18, 35, 37);
    Image1->setScaledContents(true);
    Image1->setPixmap(QuestionPicture());
    ButDa = new TXiButton(QStringLiteral("Да"), xxx);
    ButDa->setObjectName(QStringLiteral("ButDa"));
    ButDa->setGeometry(68, 80, 75, 25);
    ButNo = new TXiButton(QStringLiteral("Нет"), xxx);
    ButNo->setObjectName(QStringLiteral("ButNo"));
    ButNo->setGeometry(156, 80, 75, 25);
    Connect(ButDa, &QPushButton::clicked, this, [this] { SetModalResult(mrYes); });
    Connect(ButNo, &QPushButton::clicked, this, [this] { SetModalResult(mrNo); });
}

int TfDialog::Ask(const QString& question, const QWidget* over) {
    LabMessage->setText(question);
    CentreOver(over);
    return ShowModal();
}
