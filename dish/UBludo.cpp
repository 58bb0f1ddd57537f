#include "dish/UBludo.h"

TfBludo* fBludo = nullptr;

TfBludo::TfBludo(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fBludo"));
    SetCaption(QStringLiteral("Вес готового блюда"));
}
