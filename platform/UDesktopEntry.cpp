#include "platform/UDesktopEntry.h"

#include <QFile>
#include <QSaveFile>
#include <QUrl>

namespace {
// A string value: backslashes and line breaks written as escapes.
QString EscapeValue(const QString& value) {
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

void AddKey(QString& text, const char* key, const QString& value) {
    if (!value.isEmpty())
        text += QLatin1String(key) + QLatin1Char('=') + value + QLatin1Char('\n');
}
} // namespace

QString DesktopExecArgument(const QString& program) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}

QString TDesktopEntry::Text() const {
    QString text = QStringLiteral("[Desktop Entry]\n");
    const bool application = !Program.isEmpty();
    AddKey(text, "Type", application ? QStringLiteral("Application") : QStringLiteral("Link"));
    AddKey(text, "Name", EscapeValue(Name));
    AddKey(text, "Comment", EscapeValue(Comment));
    AddKey(text, "Icon", EscapeValue(Icon));
    if (application) {
        AddKey(text, "Exec", EscapeValue(DesktopExecArgument(Program)));
        AddKey(text, "Terminal", QStringLiteral("false"));
    } else {
        AddKey(text, "URL",
               EscapeValue(QUrl::fromLocalFile(Document).toString(QUrl::FullyEncoded)));
    }
    return text;
}

bool TDesktopEntry::Save(const QString& fileName, bool executable) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(Text().toUtf8());
    if (!file.commit())
        return false;
    QFile::Permissions permissions =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    if (executable)
        permissions |= QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    return QFile::setPermissions(fileName, permissions);
}
