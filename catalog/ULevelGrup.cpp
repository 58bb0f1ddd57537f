#include "catalog/ULevelGrup.h"

#include "ui/UControls.h"
#include "ui/UErrorBox.h"
#include "ui/UFonts.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

TfLevelGrup* fLevelGrup = nullptr;

TfLevelGrup::TfLevelGrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fLevelGrup"));
    SetCaption(QString());
    SetClientSize(217, 129);
    XiPanel1 = Placed(new TXiPanel(this), "XiPanel1", QRect(0, 0, 217, 129));
    RadioGroup1 = new TRadioGroup({QStringLiteral("группу"), QStringLiteral("подгруппу")}, {22, 46},
                                  XiPanel1);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setTitle(QStringLiteral("Добавить  новую"));
    RadioGroup1->setGeometry(12, 8, 193, 74);
    RadioGroup1->setFont(Verdana8(true));
    RadioGroup1->SetItemIndex(0);
    ButOK = NewButton(XiPanel1, "ButOK", QStringLiteral("ОК"), QRect(22, 93, 80, 25));
    ButCancel = NewButton(XiPanel1, "ButCancel", QStringLiteral("Отмена"), QRect(115, 93, 80, 25));
    Connect(ButOK, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
    Connect(ButCancel, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
}
