#include "ui/UControls.h"

#include "ui/USkin.h"

#include <QLabel>
#include <QLineEdit>

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at) {
    auto* label = Named(new QLabel(text, parent), name);
    label->move(at);
    label->adjustSize();
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QRect& geometry) {
    return Placed(new QLineEdit(parent), name, geometry);
}

TXiButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry, const QString& hint) {
    auto* button = Placed(new TXiButton(caption, parent), name, geometry);
    button->setToolTip(hint);
    return button;
}

void FillWithColour(QWidget* control, const QColor& colour) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}
