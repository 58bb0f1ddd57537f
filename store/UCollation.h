#pragma once
// Russian text comparison for the store: the collation RUSSIAN (case-insensitive, Russian
// alphabetical order, Cyrillic before Latin, "е" and "ё" apart) and a Unicode
// case-insensitive like() that takes "е" and "ё" for one letter, for the product search.

struct sqlite3;

constexpr const char* kCollationName = "RUSSIAN";

// Registers the collation and replaces like() with two and three arguments.
// Returns an SQLite result code.
int RegisterRussianText(sqlite3* db);

// Case-insensitive LIKE over UTF-8 with % and _ and an optional escape character (0: none);
// "е" and "ё" match each other.
bool LikeMatch(const char* pattern, int patternLen, const char* text, int textLen, int escape);
