#include "ration/USaveRacion.h"

TfSaveRacion* fSaveRacion = nullptr;

TfSaveRacion::TfSaveRacion(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fSaveRacion"));
    SetCaption(QStringLiteral("Сохранить рацион как"));
}
