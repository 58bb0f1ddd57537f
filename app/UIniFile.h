#pragma once
// The text of an INI file as the platform keeps it: "[section]" header lines, "key=value"
// lines, comment lines starting with ';' or '#'. Section and key names match in any letter
// case, blanks around names and values do not count, and the first matching section and key
// are the ones used. Lines are handled as bytes, so a change touches only its own line.

#include <QByteArray>
#include <QString>
#include <optional>

// The key's value in the section, without surrounding blanks and one pair of quotes; nothing
// when the section or the key is absent.
std::optional<QString> IniValue(const QByteArray& text, const QString& section, const QString& key);

// The text with the key's value replaced on its line, or the key added at the end of its
// section, or the section added at the end of the text; new lines take the text's line ending.
QByteArray WithIniValue(const QByteArray& text, const QString& section, const QString& key,
                        const QString& value);
