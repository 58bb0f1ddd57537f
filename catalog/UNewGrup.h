#pragma once
// The group dialog: adds a group, renames it or moves it into another group.

#include "ui/UForm.h"

class TfNewGrup : public TForm {
    Q_OBJECT
public:
    explicit TfNewGrup(QWidget* parent = nullptr);
};

extern TfNewGrup* fNewGrup;
