#include "store/UCollation.h"

#include "store/USqliteApi.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

int CompareRussian(void* collator, int lenA, const void* a, int lenB, const void* b) {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r =
        ucol_strcollUTF8(static_cast<UCollator*>(collator), static_cast<const char*>(a), lenA,
                         static_cast<const char*>(b), lenB, &status);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

void DestroyCollator(void* collator) {
    ucol_close(static_cast<UCollator*>(collator));
}

// Case folding for like(), with "ё" taken for "е" as most people type it; by table for the
// Latin and Cyrillic blocks that names are written in.
constexpr UChar32 kTableSize = 0x500;

UChar32 FoldedLetter(UChar32 c) {
    const UChar32 folded = u_foldCase(c, U_FOLD_CASE_DEFAULT);
    return folded == 0x451 ? 0x435 : folded;
}

UChar32 Folded(UChar32 c) {
    static const std::array<UChar32, kTableSize> table = [] {
        std::array<UChar32, kTableSize> t{};
        for (UChar32 i = 0; i < kTableSize; ++i)
            t[std::size_t(i)] = FoldedLetter(i);
        return t;
    }();
    return c >= 0 && c < kTableSize ? table[std::size_t(c)] : FoldedLetter(c);
}

// Decodes the code point at position i and moves i past it.
UChar32 NextChar(const char* s, int& i, int len) {
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const uint8_t*>(s), i, len, c);
    return c;
}

} // namespace

// A LIKE pattern folded once: literal characters, _ (one character) and % (any run).
struct TLikePattern {
    enum Kind : unsigned char { Literal, One, Many };
    struct Token {
        Kind kind;
        UChar32 ch;
    };
    std::vector<Token> tokens;
    // For a pattern that begins with % and a literal: the UTF-8 forms of every character
    // that folds to that literal, so that candidate starts are found by a byte search.
    std::vector<std::string> firstForms;
    std::array<bool, 256> lastBytes{};   // the last bytes of those forms
    std::vector<unsigned char> lastList; // the same bytes, each once
    // When the next literal follows and its forms are of one length: that length and their
    // last bytes, which a candidate must have that far after it.
    int nextStep = 0;
    std::array<bool, 256> nextLast{};
};

namespace {

// The characters of the Basic Multilingual Plane that fold to each folded character; case
// pairs outside it stay outside it.
const std::vector<UChar32>& Unfolded(UChar32 folded) {
    static const auto table = [] {
        std::unordered_map<UChar32, std::vector<UChar32>> t;
        for (UChar32 c = 0; c < 0x10000; ++c)
            if (!U_IS_SURROGATE(c))
                t[Folded(c)].push_back(c);
        return t;
    }();
    static const std::vector<UChar32> none;
    const auto it = table.find(folded);
    return it == table.end() ? none : it->second;
}

std::vector<std::string> Utf8Forms(UChar32 folded) {
    std::vector<std::string> forms;
    for (const UChar32 c : Unfolded(folded)) {
        char buf[U8_MAX_LENGTH];
        int len = 0;
        U8_APPEND_UNSAFE(buf, len, c);
        forms.emplace_back(buf, std::size_t(len));
    }
    return forms;
}

TLikePattern Compile(const char* pattern, int len, int escape) {
    TLikePattern compiled;
    for (int i = 0; i < len;) {
        UChar32 c = NextChar(pattern, i, len);
        if (escape != 0 && c == escape && i < len) {
            compiled.tokens.push_back({TLikePattern::Literal, Folded(NextChar(pattern, i, len))});
        } else if (c == '%') {
            if (compiled.tokens.empty() || compiled.tokens.back().kind != TLikePattern::Many)
                compiled.tokens.push_back({TLikePattern::Many, 0});
        } else if (c == '_') {
            compiled.tokens.push_back({TLikePattern::One, 0});
        } else {
            compiled.tokens.push_back({TLikePattern::Literal, Folded(c)});
        }
    }
    const auto& t = compiled.tokens;
    if (t.size() >= 2 && t[0].kind == TLikePattern::Many && t[1].kind == TLikePattern::Literal &&
        t[1].ch < 0x10000)
        compiled.firstForms = Utf8Forms(t[1].ch);
    for (const std::string& form : compiled.firstForms)
        compiled.lastBytes[static_cast<unsigned char>(form.back())] = true;
    for (int b = 0; b < 256; ++b)
        if (compiled.lastBytes[std::size_t(b)])
            compiled.lastList.push_back(static_cast<unsigned char>(b));
    if (!compiled.firstForms.empty() && t.size() >= 3 && t[2].kind == TLikePattern::Literal &&
        t[2].ch < 0x10000) {
        const std::vector<std::string> next = Utf8Forms(t[2].ch);
        const auto sameLength = [&](const std::string& f) { return f.size() == next[0].size(); };
        if (!next.empty() && std::all_of(next.begin(), next.end(), sameLength)) {
            compiled.nextStep = int(next[0].size());
            for (const std::string& form : next)
                compiled.nextLast[static_cast<unsigned char>(form.back())] = true;
        }
    }
    return compiled;
}

// Matches the tokens from the first given one against the text from the given position.
bool MatchFrom(const TLikePattern& pattern, std::size_t firstToken, const char* text, int start,
               int textLen) {
    const auto& tokens = pattern.tokens;
    const std::size_t n = tokens.size();
    std::size_t p = firstToken;
    int s = start;
    std::size_t starP = n + 1; // the token after the last %, none yet
    int starS = 0;             // where the text after that % is tried next
    while (true) {
        int next = -1; // the position after the text character just compared
        if (p < n) {
            const auto& token = tokens[p];
            if (token.kind == TLikePattern::Many) {
                starP = ++p;
                starS = s;
                continue;
            }
            if (s < textLen) {
                next = s;
                const UChar32 c = NextChar(text, next, textLen);
                if (token.kind == TLikePattern::One || Folded(c) == token.ch) {
                    ++p;
                    s = next;
                    continue;
                }
            }
        } else if (s == textLen) {
            return true;
        }
        if (starP > n || starS >= textLen)
            return false;
        // Let the last % swallow one more character; reuse its decoding when it was just read.
        if (s == starS && next >= 0)
            starS = next;
        else
            NextChar(text, starS, textLen);
        s = starS;
        p = starP;
    }
}

// Tries the forms of the first literal that end at byte i, and the rest of the pattern after.
bool MatchEndingAt(const TLikePattern& pattern, const char* text, int textLen, int i) {
    const int next = i + pattern.nextStep;
    if (pattern.nextStep > 0 &&
        (next >= textLen || !pattern.nextLast[static_cast<unsigned char>(text[next])]))
        return false;
    const auto b = static_cast<unsigned char>(text[i]);
    for (const std::string& form : pattern.firstForms) {
        const int start = i + 1 - int(form.size());
        if (start >= 0 && static_cast<unsigned char>(form.back()) == b &&
            std::memcmp(text + start, form.data(), form.size()) == 0 &&
            MatchFrom(pattern, 1, text, start, textLen))
            return true;
    }
    return false;
}

// A match must begin where the text holds a form of the first literal: find those places by
// their last byte and try the rest of the pattern from each.
bool Match(const TLikePattern& pattern, const char* text, int textLen) {
    if (pattern.firstForms.empty())
        return MatchFrom(pattern, 0, text, 0, textLen);
    int i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while the last bytes are few: a mask of the bytes equal to one.
    const std::vector<unsigned char>& last = pattern.lastList;
    if (last.size() <= 4) {
        __m128i wanted[4];
        for (std::size_t k = 0; k < 4; ++k)
            wanted[k] = _mm_set1_epi8(static_cast<char>(last[std::min(k, last.size() - 1)]));
        for (; i + 16 <= textLen; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
            const __m128i hits = _mm_or_si128(
                _mm_or_si128(_mm_cmpeq_epi8(v, wanted[0]), _mm_cmpeq_epi8(v, wanted[1])),
                _mm_or_si128(_mm_cmpeq_epi8(v, wanted[2]), _mm_cmpeq_epi8(v, wanted[3])));
            for (auto mask = unsigned(_mm_movemask_epi8(hits)); mask != 0; mask &= mask - 1)
                if (MatchEndingAt(pattern, text, textLen, i + __builtin_ctz(mask)))
                    return true;
        }
    }
#endif
    for (; i < textLen; ++i)
        if (pattern.lastBytes[static_cast<unsigned char>(text[i])] &&
            MatchEndingAt(pattern, text, textLen, i))
            return true;
    return false;
}

void FreePattern(void* pattern) {
    delete static_cast<TLikePattern*>(pattern);
}

// Marks the escape argument the compiled pattern was made with.
int gEscapeSeen = 0;

// Compiles the pattern of the call and keeps it with the constant arguments: SQLite drops
// kept data as soon as the argument it belongs to changes. Null when the call fails.
const TLikePattern* CompiledPattern(sqlite3_context* ctx, int argc, sqlite3_value** argv,
                                    TLikePattern& once) {
    int escape = 0;
    if (argc == 3) {
        const char* e = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        const int eLen = sqlite3_value_bytes(argv[2]);
        int pos = 0;
        escape = eLen > 0 ? NextChar(e, pos, eLen) : 0;
        if (eLen == 0 || pos != eLen || escape <= 0) {
            sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
            return nullptr;
        }
    }
    const char* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternLen = sqlite3_value_bytes(argv[0]);
    sqlite3_set_auxdata(ctx, 0, new TLikePattern(Compile(pattern, patternLen, escape)),
                        FreePattern);
    if (argc == 3)
        sqlite3_set_auxdata(ctx, 2, &gEscapeSeen, nullptr);
    const auto* kept = static_cast<const TLikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (kept)
        return kept;
    once = Compile(pattern, patternLen, escape);
    return &once;
}

void ResultOfMatch(sqlite3_context* ctx, const TLikePattern& pattern, sqlite3_value* value) {
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    sqlite3_result_int(ctx, Match(pattern, text, sqlite3_value_bytes(value)) ? 1 : 0);
}

// A null argument gives null; a kept pattern was compiled from arguments that were not null.
void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    const auto* kept = static_cast<const TLikePattern*>(sqlite3_get_auxdata(ctx, 0));
    if (kept && (argc == 2 || sqlite3_get_auxdata(ctx, 2))) {
        if (sqlite3_value_type(argv[1]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
        return ResultOfMatch(ctx, *kept, argv[1]);
    }
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    TLikePattern once;
    if (const TLikePattern* compiled = CompiledPattern(ctx, argc, argv, once))
        ResultOfMatch(ctx, *compiled, argv[1]);
}

} // namespace

TLikeMatcher::TLikeMatcher(const char* pattern, int patternLen, int escape)
    : FPattern(std::make_unique<TLikePattern>(Compile(pattern, patternLen, escape))) {}

TLikeMatcher::~TLikeMatcher() = default;

bool TLikeMatcher::Matches(const char* text, int textLen) const {
    return Match(*FPattern, text, textLen);
}

int RegisterRussianText(sqlite3* db) {
    UErrorCode status = U_ZERO_ERROR;
    UCollator* collator = ucol_open("ru", &status);
    if (U_FAILURE(status))
        return SQLITE_ERROR;
    ucol_setStrength(collator, UCOL_SECONDARY);
    int rc = sqlite3_create_collation_v2(db, kCollationName, SQLITE_UTF8, collator, CompareRussian,
                                         DestroyCollator);
    if (rc != SQLITE_OK) {
        ucol_close(collator);
        return rc;
    }
    const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    rc = sqlite3_create_function(db, "like", 2, flags, nullptr, LikeFunction, nullptr, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_create_function(db, "like", 3, flags, nullptr, LikeFunction, nullptr, nullptr);
    return rc;
}
