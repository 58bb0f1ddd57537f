#pragma once
// The portions dialog of the ready dish.

#include "ui/UForm.h"

class TfPorc : public TForm {
    Q_OBJECT
public:
    explicit TfPorc(QWidget* parent = nullptr);
};

extern TfPorc* fPorc;
