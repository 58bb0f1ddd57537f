#pragma once
// Where the running executable lies: the database, the settings file and the help file are
// found beside it.

#include <QString>

QString ProgramFilePath();
// The executable's folder with its trailing separator.
QString ProgramFolder();
// Tests run the program's code as if the executable lay at the given path.
void OverrideProgramFilePath(const QString& path);
