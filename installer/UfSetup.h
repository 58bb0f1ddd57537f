#pragma once
// The installer window of the setup mode.

#include "ui/UForm.h"

class TfSetup : public TForm {
    Q_OBJECT
public:
    explicit TfSetup(QWidget* parent = nullptr);
};

extern TfSetup* fSetup;
