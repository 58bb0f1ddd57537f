#include "ui/UUpDown.h"

#include <QToolButton>

namespace {

QToolButton* Arrow(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
    BtnUp = Arrow(this, Qt::UpArrow, "BtnUp");
    BtnDown = Arrow(this, Qt::DownArrow, "BtnDown");
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int upper = height() / 2;
    BtnUp->setGeometry(0, 0, width(), upper);
    BtnDown->setGeometry(0, upper, width(), height() - upper);
}
