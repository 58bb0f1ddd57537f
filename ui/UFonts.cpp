#include "ui/UFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

// Looked up among the installed families: asking the font configuration whether a name is
// installed runs its whole substitution (about a percent of the start-up each time).
bool Installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

QFont Designed(const QString& family, bool installed, int points, bool bold) {
    QFont font = installed ? QFont(family) : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

} // namespace

// Whether a family is installed is asked once: the windows ask for these fonts some eighty
// times at start-up.
QFont MsSansSerif8(bool bold) {
    static const QString family = QStringLiteral("MS Sans Serif");
    static const bool installed = Installed(family);
    return Designed(family, installed, 8, bold);
}

QFont Verdana8(bool bold) {
    static const QString family = QStringLiteral("Verdana");
    static const bool installed = Installed(family);
    return Designed(family, installed, 8, bold);
}
