#pragma once
// Freedesktop desktop entries, the shortcuts of this platform: one that starts a program and
// one that opens a document.

#include <QString>

struct TDesktopEntry {
    QString Name;
    QString Comment;
    QString Icon;
    // An entry that starts this program (Type=Application) ...
    QString Program;
    // ... or, when Program is empty, one that opens this file (Type=Link).
    QString Document;

    // The entry's file text.
    QString Text() const;
    // Writes the entry, replacing a file of that name; executable for entries on the desktop,
    // which desktops start only when they are marked so.
    bool Save(const QString& fileName, bool executable) const;
};

// The program's path as the one argument of an Exec line: quoted, with the characters that
// are special inside the quotes and the field-code mark escaped.
QString DesktopExecArgument(const QString& program);
