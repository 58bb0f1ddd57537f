#include "catalog/UNewGrup.h"

TfNewGrup* fNewGrup = nullptr;

TfNewGrup::TfNewGrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewGrup"));
    SetCaption(QStringLiteral("Добавление новой группы"));
}
