#pragma once
// The chooser between adding a group and adding a subgroup; it keeps the last choice.

#include "ui/UForm.h"

class TRadioGroup;
class TXiButton;
class TXiPanel;

class TfLevelGrup : public TForm {
    Q_OBJECT
public:
    explicit TfLevelGrup(QWidget* parent = nullptr);

    TXiPanel* XiPanel1;
    TRadioGroup* RadioGroup1;
    TXiButton* ButOK;
    TXiButton* ButCancel;
};

extern TfLevelGrup* fLevelGrup;
