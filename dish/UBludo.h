#pragma once
// The weight dialog of the ready dish.

#include "ui/UForm.h"

class TfBludo : public TForm {
    Q_OBJECT
public:
    explicit TfBludo(QWidget* parent = nullptr);
};

extern TfBludo* fBludo;
