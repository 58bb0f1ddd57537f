#include "catalog/UNewPodgrup.h"

TfNewPodgrup* fNewPodgrup = nullptr;

TfNewPodgrup::TfNewPodgrup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewPodgrup"));
    SetCaption(QStringLiteral("Добавление новой подгруппы"));
}
