#include "installer/UfSetup.h"

TfSetup* fSetup = nullptr;

TfSetup::TfSetup(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fSetup"));
    SetCaption(QStringLiteral("Установка программы   Едомер"));
}
