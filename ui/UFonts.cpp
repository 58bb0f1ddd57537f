#include "ui/UFonts.h"

#include <QFontDatabase>

namespace {

QFont Designed(const QString& family, bool installed, int points, bool bold) {
    QFont font = installed ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

// Whether a family is installed is asked once: each question runs the font configuration's
// whole substitution, and the windows ask for these fonts some eighty times at start-up.
QFont MsSansSerif8(bool bold) {
    static const QString family = QStringLiteral("MS Sans Serif");
    static const bool installed = QFontDatabase::hasFamily(family);
    return Designed(family, installed, 8, bold);
}

QFont Verdana8(bool bold) {
    static const QString family = QStringLiteral("Verdana");
    static const bool installed = QFontDatabase::hasFamily(family);
    return Designed(family, installed, 8, bold);
}
