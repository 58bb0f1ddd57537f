#include "catalog/ULevelGrup.h"

TfLevelGrup* fLevelGrup = nullptr;

TfLevelGrup::TfLevelGrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fLevelGrup"));
    SetCaption(QStringLiteral(""));
}
