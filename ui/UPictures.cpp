#include "ui/UPictures.h"

#include "ui/UFonts.h"

#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap Blank(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

} // namespace

QIcon GroupNodeIcon() {
    // A green apple with a leaf.
    QPixmap picture = Blank(16, 16);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 110, 30), 1));
    p.setBrush(QColor(120, 190, 60));
    p.drawEllipse(QRectF(2, 4, 12, 11));
    p.setPen(QPen(QColor(110, 70, 30), 1.2));
    p.drawLine(QPointF(8, 5), QPointF(9, 1.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 40));
    p.drawEllipse(QRectF(9, 1, 5, 3));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QRectF(4.5, 6.5, 3, 3));
    return QIcon(picture);
}

QIcon ArrowIcon(bool up) {
    QPixmap picture = Blank(16, 16);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath arrow;
    if (up) {
        arrow.moveTo(8, 2);
        arrow.lineTo(14, 9);
        arrow.lineTo(10.5, 9);
        arrow.lineTo(10.5, 14);
        arrow.lineTo(5.5, 14);
        arrow.lineTo(5.5, 9);
        arrow.lineTo(2, 9);
    } else {
        arrow.moveTo(8, 14);
        arrow.lineTo(14, 7);
        arrow.lineTo(10.5, 7);
        arrow.lineTo(10.5, 2);
        arrow.lineTo(5.5, 2);
        arrow.lineTo(5.5, 7);
        arrow.lineTo(2, 7);
    }
    arrow.closeSubpath();
    p.setPen(QPen(QColor(20, 70, 140), 1));
    p.setBrush(QColor(70, 130, 210));
    p.drawPath(arrow);
    return QIcon(picture);
}

QIcon HelpIcon() {
    QPixmap picture = Blank(16, 16);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 70, 140), 1));
    p.setBrush(QColor(70, 130, 210));
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    // The question mark is drawn as strokes: a font of its own would be loaded for it at start-up.
    QPainterPath hook;
    hook.moveTo(5.4, 6.0);
    hook.cubicTo(5.4, 2.7, 10.6, 2.7, 10.6, 5.8);
    hook.cubicTo(10.6, 7.8, 8.0, 7.9, 8.0, 10.0);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8.0, 12.6), 1.2, 1.2);
    return QIcon(picture);
}

QPixmap QuestionPicture() {
    QPixmap picture = Blank(41, 42);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addEllipse(QRectF(1.5, 1.5, 38, 31));
    QPainterPath tail;
    tail.moveTo(10, 27);
    tail.lineTo(6, 40.5);
    tail.lineTo(20, 31);
    tail.closeSubpath();
    bubble = bubble.united(tail);
    p.setPen(QPen(QColor(40, 70, 150), 1.5));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(bubble);
    QFont font = Verdana8(true);
    font.setPixelSize(24);
    p.setFont(font);
    p.setPen(QColor(30, 80, 200));
    p.drawText(QRectF(1.5, 1.5, 38, 31), Qt::AlignCenter, QStringLiteral("?"));
    return picture;
}
