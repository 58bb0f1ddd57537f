#include "ui/USkin.h"

#include "ui/UFonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStyleOptionButton>

namespace {

const TSkinScheme kSand = {{QColor(255, 252, 240), QColor(240, 222, 160)}, // normal
                           {QColor(255, 255, 250), QColor(250, 232, 172)}, // hovered
                           {QColor(232, 210, 140), QColor(250, 238, 196)}, // pressed
                           {QColor(246, 244, 238), QColor(226, 222, 212)}, // disabled
                           QColor(176, 150, 90),
                           QColor(60, 40, 10),
                           QColor(150, 146, 138)};

TSkinSchemeId gCurrent = TSkinSchemeId::Sand;

} // namespace

const TSkinScheme& SkinScheme(TSkinSchemeId id) {
    switch (id) {
    case TSkinSchemeId::Sand:
        break;
    }
    return kSand;
}

const TSkinScheme& CurrentSkin() {
    return SkinScheme(gCurrent);
}

void SetCurrentSkin(TSkinSchemeId id) {
    gCurrent = id;
}

TXiButton::TXiButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setFont(Verdana8(true));
    setAutoDefault(false);
    setDefault(false);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
}

TXiButton::TXiButton(const QIcon& icon, QWidget* parent) : TXiButton(QString(), parent) {
    setIcon(icon);
}

void TXiButton::paintEvent(QPaintEvent*) {
    const TSkinScheme& skin = CurrentSkin();
    const TSkinGradient& g = !isEnabled()   ? skin.disabled
                             : isDown()     ? skin.pressed
                             : underMouse() ? skin.hovered
                                            : skin.normal;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, g.top);
    gradient.setColorAt(1, g.bottom);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(hasFocus() ? skin.border.darker(140) : skin.border);
    p.setBrush(gradient);
    p.drawRoundedRect(box, 3, 3);
    QRect content = rect().adjusted(3, 1, -3, -1);
    if (!icon().isNull()) {
        const QSize size = iconSize();
        const QRect iconRect(QPoint(0, 0), size);
        const QRect place = QRect(content.center() - iconRect.center(), size);
        icon().paint(&p, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    }
    if (!text().isEmpty()) {
        p.setPen(isEnabled() ? skin.text : skin.disabledText);
        p.setFont(font());
        p.drawText(content, Qt::AlignCenter | Qt::TextSingleLine, text());
    }
}

TXiPanel::TXiPanel(QWidget* parent, const QColor& color) : QWidget(parent), FColor(color) {
    setAutoFillBackground(false);
}

void TXiPanel::SetColor(const QColor& color) {
    FColor = color;
    update();
}

void TXiPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, FColor.lighter(104));
    gradient.setColorAt(1, FColor);
    p.fillRect(rect(), gradient);
}
