#include "ration/UVvod.h"

TfVvod* fVvod = nullptr;

TfVvod::TfVvod(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fVvod"));
    SetCaption(QStringLiteral("Занести продукт в рацион"));
}
