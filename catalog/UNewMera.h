#pragma once
// The measures dialog: the measures (portions) of one product.

#include "ui/UForm.h"

class TfNewMera : public TForm {
    Q_OBJECT
public:
    explicit TfNewMera(QWidget* parent = nullptr);
};

extern TfNewMera* fNewMera;
