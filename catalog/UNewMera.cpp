#include "catalog/UNewMera.h"

TfNewMera* fNewMera = nullptr;

TfNewMera::TfNewMera(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fNewMera"));
    SetCaption(QStringLiteral("Меры/порции продукта"));
}
