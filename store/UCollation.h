#pragma once
// Russian text comparison for the store: the collation RUSSIAN (case-insensitive, Russian
// alphabetical order, Cyrillic before Latin, "е" and "ё" apart) and a Unicode
// case-insensitive like() that takes "е" and "ё" for one letter, for the product search.

#include <memory>

struct sqlite3;

constexpr const char* kCollationName = "RUSSIAN";

// Registers the collation and replaces like() with two and three arguments.
// Returns an SQLite result code.
int RegisterRussianText(sqlite3* db);

struct TLikePattern;

// A LIKE pattern compiled once and matched as like() matches it, for texts held in memory:
// case-insensitive over UTF-8 with % and _ and an optional escape character (0: none); "е"
// and "ё" match each other.
class TLikeMatcher {
public:
    TLikeMatcher(const char* pattern, int patternLen, int escape);
    TLikeMatcher(const TLikeMatcher&) = delete;
    TLikeMatcher& operator=(const TLikeMatcher&) = delete;
    ~TLikeMatcher();
    bool Matches(const char* text, int textLen) const;

private:
    std::unique_ptr<const TLikePattern> FPattern;
};
