#pragma once
// The search dialog: finds products by name.

#include "ui/UForm.h"

class TfPoisk : public TForm {
    Q_OBJECT
public:
    explicit TfPoisk(QWidget* parent = nullptr);
};

extern TfPoisk* fPoisk;
