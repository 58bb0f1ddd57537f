#pragma once
// A spin button: an up arrow over a down arrow, bound to no edit; its owner decides what each
// arrow does.

#include <QWidget>

class QToolButton;

enum class TUDButton { Up, Down };

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent);

    QToolButton* BtnUp;
    QToolButton* BtnDown;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
