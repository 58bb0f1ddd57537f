#pragma once
// Making the controls of a window as it is designed: each carries its design name as its
// object name, and sits at its design place.

#include <QPoint>
#include <QRect>
#include <QString>

class QColor;
class QLabel;
class QLineEdit;
class QWidget;
class TXiButton;

template <class T> T* Named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

template <class T> T* Placed(T* control, const char* name, const QRect& geometry) {
    Named(control, name)->setGeometry(geometry);
    return control;
}

// A label at the point, as wide as its text.
QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at);
QLineEdit* NewEdit(QWidget* parent, const char* name, const QRect& geometry);
TXiButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                     const QRect& geometry, const QString& hint = QString());
// The control's background in the colour, filled behind its children.
void FillWithColour(QWidget* control, const QColor& colour);
