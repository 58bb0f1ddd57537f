#include "ui/UTextFit.h"

#include <QFontMetricsF>
#include <QLabel>

namespace {

constexpr double kSmallestPoints = 6;

} // namespace

void SetFittedText(QLabel* label, const QFont& designed, const QString& text) {
    QFont font = designed;
    const QRectF place(0, 0, label->width(), 1e6);
    const int flags = int(label->alignment()) | Qt::TextWordWrap;
    for (double size = designed.pointSizeF(); size >= kSmallestPoints; size -= 0.5) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font).boundingRect(place, flags, text).height() <= label->height())
            break;
    }
    label->setFont(font);
    label->setText(text);
}
