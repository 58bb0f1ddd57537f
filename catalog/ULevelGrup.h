#pragma once
// The chooser between adding a group and adding a subgroup.

#include "ui/UForm.h"

class TfLevelGrup : public TForm {
    Q_OBJECT
public:
    explicit TfLevelGrup(QWidget* parent = nullptr);
};

extern TfLevelGrup* fLevelGrup;
