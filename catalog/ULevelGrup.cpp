#include "catalog/ULevelGrup.h"

#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

TfLevelGrup* fLevelGrup = nullptr;

TfLevelGrup::TfLevelGrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fLevelGrup"));
    SetCaption(QString());
    SetClientSize(217, 129);
    XiPanel1 = new TXiPanel(this);
    XiPanel1->setObjectName(QStringLiteral("XiPanel1"));
    XiPanel1->setGeometry(0, 0, 217, 129);
    RadioGroup1 = new TRadioGroup({QStringLiteral("группу"), QStringLiteral("подгруппу")}, {22, 46},
                                  XiPanel1);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setTitle(QStringLiteral("Добавить  новую"));
    RadioGroup1->setGeometry(12, 8, 193, 74);
    RadioGroup1->setFont(Verdana8(true));
    RadioGroup1->SetItemIndex(0);
    ButOK = new TXiButton(QStringLiteral("ОК"), XiPanel1);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setGeometry(22, 93, 80, 25);
    ButCancel = new TXiButton(QStringLiteral("Отмена"), XiPanel1);
    ButCancel->setObjectName(QStringLiteral("ButCancel"));
    ButCancel->setGeometry(115, 93, 80, 25);
    Connect(ButOK, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}
