#include "ui/UFonts.h"

#include <QFontDatabase>

namespace {

QFont Designed(const QString& family, int points, bool bold) {
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont MsSansSerif8(bool bold) {
    return Designed(QStringLiteral("MS Sans Serif"), 8, bold);
}

QFont Verdana8(bool bold) {
    return Designed(QStringLiteral("Verdana"), 8, bold);
}
