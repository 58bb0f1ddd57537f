#pragma once
// The subgroup dialog: adds a subgroup, renames it or moves it.

#include "ui/UForm.h"

class TfNewPodgrup : public TForm {
    Q_OBJECT
public:
    explicit TfNewPodgrup(QWidget* parent = nullptr);
};

extern TfNewPodgrup* fNewPodgrup;
