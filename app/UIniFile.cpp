#include "app/UIniFile.h"

#include <vector>

namespace {

enum class TLineKind { Other, Section, Key };

// One line of the text: where it starts, where its content ends (before "\r\n" or "\n") and
// where the next line starts; for a key line, where its value starts.
struct TIniLine {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype next = 0;
    TLineKind kind = TLineKind::Other;
    QString name;
    qsizetype valueBegin = 0;
};

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

TIniLine ParseLine(const QByteArray& text, qsizetype begin) {
    TIniLine line;
    line.begin = begin;
    const qsizetype newline = text.indexOf('\n', begin);
    line.next = newline < 0 ? text.size() : newline + 1;
    line.end = newline < 0 ? text.size() : newline;
    if (line.end > begin && text.at(line.end - 1) == '\r')
        --line.end;
    qsizetype from = begin;
    if (begin == 0 && text.startsWith(kByteOrderMark))
        from = kByteOrderMark.size();
    const QByteArray content = text.mid(from, line.end - from);
    const QByteArray trimmed = content.trimmed();
    if (trimmed.startsWith(';') || trimmed.startsWith('#'))
        return line;
    const qsizetype close = trimmed.indexOf(']');
    if (trimmed.startsWith('[') && close > 0) {
        line.kind = TLineKind::Section;
        line.name = QString::fromUtf8(trimmed.mid(1, close - 1).trimmed());
        return line;
    }
    const qsizetype equals = content.indexOf('=');
    if (equals >= 0) {
        line.kind = TLineKind::Key;
        line.name = QString::fromUtf8(content.left(equals).trimmed());
        line.valueBegin = from + equals + 1;
        while (line.valueBegin < line.end &&
               (text.at(line.valueBegin) == ' ' || text.at(line.valueBegin) == '\t'))
            ++line.valueBegin;
    }
    return line;
}

std::vector<TIniLine> ParseLines(const QByteArray& text) {
    std::vector<TIniLine> lines;
    for (qsizetype begin = 0; begin < text.size();) {
        lines.push_back(ParseLine(text, begin));
        begin = lines.back().next;
    }
    return lines;
}

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Where the key stands in the text: the line of its section's header, the last key line of
// that section (the header when it has none), and the key's own line; -1 where absent.
struct TKeyPlace {
    int section = -1;
    int lastInSection = -1;
    int key = -1;
};

TKeyPlace FindKey(const std::vector<TIniLine>& lines, const QString& section, const QString& key) {
    TKeyPlace place;
    for (int i = 0; i < int(lines.size()); ++i) {
        const TIniLine& line = lines[size_t(i)];
        if (line.kind == TLineKind::Section) {
            if (place.section >= 0)
                break;
            if (SameName(line.name, section))
                place.section = place.lastInSection = i;
        } else if (place.section >= 0 && line.kind == TLineKind::Key) {
            place.lastInSection = i;
            if (SameName(line.name, key)) {
                place.key = i;
                break;
            }
        }
    }
    return place;
}

QByteArray LineEnding(const QByteArray& text) {
    const qsizetype newline = text.indexOf('\n');
    return newline > 0 && text.at(newline - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

} // namespace

std::optional<QString> IniValue(const QByteArray& text, const QString& section,
                                const QString& key) {
    const std::vector<TIniLine> lines = ParseLines(text);
    const TKeyPlace place = FindKey(lines, section, key);
    if (place.key < 0)
        return std::nullopt;
    const TIniLine& line = lines[size_t(place.key)];
    QByteArray value = text.mid(line.valueBegin, line.end - line.valueBegin).trimmed();
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.mid(1, value.size() - 2);
    return QString::fromUtf8(value);
}

QByteArray WithIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value) {
    const std::vector<TIniLine> lines = ParseLines(text);
    const TKeyPlace place = FindKey(lines, section, key);
    const QByteArray eol = LineEnding(text);
    const QByteArray keyLine = key.toUtf8() + '=' + value.toUtf8();
    if (place.key >= 0) {
        const TIniLine& line = lines[size_t(place.key)];
        return text.left(line.valueBegin) + value.toUtf8() + text.mid(line.end);
    }
    if (place.section >= 0) {
        const TIniLine& last = lines[size_t(place.lastInSection)];
        const bool ended = last.next > last.end;
        return text.left(last.next) + (ended ? QByteArray() : eol) + keyLine + eol +
               text.mid(last.next);
    }
    const bool ended = text.isEmpty() || text.endsWith('\n');
    return text + (ended ? QByteArray() : eol) + '[' + section.toUtf8() + ']' + eol + keyLine + eol;
}
