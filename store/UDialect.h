#pragma once
// Turns a statement as the program writes it into one SQLite prepares: double-quoted text
// literals become SQL string literals, and :name parameters become numbered ones.

#include <QString>
#include <QStringList>
#include <string>

struct TTranslatedStatement {
    std::string sql;        // UTF-8, parameters written ?1, ?2, ...
    QStringList paramNames; // lower-case names; ?N is paramNames[N - 1]
};

TTranslatedStatement TranslateStatement(const QString& text);
