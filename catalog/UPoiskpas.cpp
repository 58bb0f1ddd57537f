#include "catalog/UPoiskpas.h"

TfPoisk* fPoisk = nullptr;

TfPoisk::TfPoisk(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fPoisk"));
    SetCaption(QStringLiteral("Поиск продукта"));
}
