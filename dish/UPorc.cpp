#include "dish/UPorc.h"

TfPorc* fPorc = nullptr;

TfPorc::TfPorc(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fPorc"));
    SetCaption(QStringLiteral("Порции в готовом блюде"));
}
