#include "reports/Unit1.h"

TfHTML* fHTML = nullptr;

TfHTML::TfHTML(QWidget* parent) : TForm(parent) {
    setObjectName(QStringLiteral("fHTML"));
    SetCaption(QStringLiteral("Код для вставки в HTML-страницы"));
}
