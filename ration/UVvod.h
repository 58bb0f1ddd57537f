#pragma once
// The entry dialog: puts an amount of a product into the ration or changes an entry.

#include "ui/UForm.h"

class TfVvod : public TForm {
    Q_OBJECT
public:
    explicit TfVvod(QWidget* parent = nullptr);
    // The saved ration the current ration belongs to, -1 for none.
    int CurRacId = -1;
    // The index in ArraySave of the entry being changed.
    int EditIndex = 0;
};

extern TfVvod* fVvod;
