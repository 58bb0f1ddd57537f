#pragma once
// The window with the forum code of the ration.

#include "ui/UForm.h"

class TfHTML : public TForm {
    Q_OBJECT
public:
    explicit TfHTML(QWidget* parent = nullptr);
};

extern TfHTML* fHTML;
