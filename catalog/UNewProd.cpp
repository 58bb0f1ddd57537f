#include "catalog/UNewProd.h"

#include <QCheckBox>
TfNewProd* fNewProd = nullptr;

TfNewProd::TfNewProd(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewProd"));
    SetCaption(QStringLiteral("Добавление нового продукта"));
    CBBZY = new QCheckBox(this);
    CBBZY->setObjectName(QStringLiteral("CBBZY"));
    CBBZY->setChecked(true);
}
