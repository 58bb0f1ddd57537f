#include "store/UDialect.h"

namespace {

bool IsNameStart(QChar c) {
    return c.isLetter() || c == QLatin1Char('_');
}
bool IsNameChar(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

TTranslatedStatement TranslateStatement(const QString& text) {
    TTranslatedStatement result;
    QString out;
    out.reserve(text.size() + 8);
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\'')) {
            // A single-quoted literal passes unchanged, '' included.
            const int end = int(text.indexOf(QLatin1Char('\''), i + 1));
            const int stop = end < 0 ? n : end + 1;
            out += text.mid(i, stop - i);
            i = stop - 1;
        } else if (c == QLatin1Char('"')) {
            const int end = int(text.indexOf(QLatin1Char('"'), i + 1));
            const int stop = end < 0 ? n : end;
            QString literal = text.mid(i + 1, stop - i - 1);
            literal.replace(QLatin1Char('\''), QStringLiteral("''"));
            out += QLatin1Char('\'') + literal + (end < 0 ? QString() : QStringLiteral("'"));
            i = stop;
        } else if (c == QLatin1Char(':') && i + 1 < n && IsNameStart(text.at(i + 1))) {
            int j = i + 1;
            while (j < n && IsNameChar(text.at(j)))
                ++j;
            const QString name = text.mid(i + 1, j - i - 1).toLower();
            int index = int(result.paramNames.indexOf(name));
            if (index < 0) {
                result.paramNames.append(name);
                index = int(result.paramNames.size()) - 1;
            }
            out += QLatin1Char('?') + QString::number(index + 1);
            i = j - 1;
        } else {
            out += c;
        }
    }
    result.sql = out.toStdString();
    return result;
}
