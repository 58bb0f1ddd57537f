#pragma once
// The skinned controls: a push button and a plain container painted with vertical gradients,
// with separate colours for the normal, hovered, pressed and disabled states.

#include <QColor>
#include <QPushButton>
#include <QWidget>

struct TSkinGradient {
    QColor top;
    QColor bottom;
};

struct TSkinScheme {
    TSkinGradient normal;
    TSkinGradient hovered;
    TSkinGradient pressed;
    TSkinGradient disabled;
    QColor border;
    QColor text;
    QColor disabledText;
};

enum class TSkinSchemeId { Sand };

const TSkinScheme& SkinScheme(TSkinSchemeId id);
const TSkinScheme& CurrentSkin();
void SetCurrentSkin(TSkinSchemeId id);

class TXiButton : public QPushButton {
    Q_OBJECT
public:
    explicit TXiButton(const QString& caption, QWidget* parent);
    // Caption-less buttons show a picture instead.
    TXiButton(const QIcon& icon, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A container filled with a gradient that runs into its own colour.
class TXiPanel : public QWidget {
    Q_OBJECT
public:
    explicit TXiPanel(QWidget* parent, const QColor& color = QColor(253, 242, 198));
    void SetColor(const QColor& color);
    const QColor& Color() const { return FColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FColor;
};
