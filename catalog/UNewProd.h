#pragma once
// The product dialog: name, group, energy and nutrients per 100 g of one product.

#include "ui/UForm.h"

class QCheckBox;
class TfNewProd : public TForm {
    Q_OBJECT
public:
    explicit TfNewProd(QWidget* parent = nullptr);
    QCheckBox* CBBZY;
};

extern TfNewProd* fNewProd;
