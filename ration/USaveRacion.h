#pragma once
// The saved-rations dialog: saves the ration under a name or loads a saved one.

#include "ui/UForm.h"

class TfSaveRacion : public TForm {
    Q_OBJECT
public:
    explicit TfSaveRacion(QWidget* parent = nullptr);
};

extern TfSaveRacion* fSaveRacion;
