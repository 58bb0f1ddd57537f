#include "store/UCollation.h"

#include "store/USqliteApi.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/utf8.h>

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

UChar32 Folded(UChar32 c) {
    return u_foldCase(c, U_FOLD_CASE_DEFAULT);
}

// Decodes the code point at position i and moves i past it.
UChar32 NextChar(const char* s, int& i, int len) {
    UChar32 c = 0;
    U8_NEXT(reinterpret_cast<const uint8_t*>(s), i, len, c);
    return c;
}

void LikeFunction(sqlite3_context* ctx, int argc, sqlite3_value** argv) {
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return sqlite3_result_null(ctx);
    int escape = 0;
    if (argc == 3) {
        const char* e = reinterpret_cast<const char*>(sqlite3_value_text(argv[2]));
        const int eLen = sqlite3_value_bytes(argv[2]);
        int pos = 0;
        escape = eLen > 0 ? NextChar(e, pos, eLen) : 0;
        if (eLen == 0 || pos != eLen || escape <= 0)
            return sqlite3_result_error(ctx, "ESCAPE expression must be a single character", -1);
    }
    const char* pattern = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const int patternLen = sqlite3_value_bytes(argv[0]);
    const char* text = reinterpret_cast<const char*>(sqlite3_value_text(argv[1]));
    const int textLen = sqlite3_value_bytes(argv[1]);
    sqlite3_result_int(ctx, LikeMatch(pattern, patternLen, text, textLen, escape) ? 1 : 0);
}

} // namespace

bool LikeMatch(const char* pattern, int patternLen, const char* text, int textLen, int escape) {
    int p = 0;
    int s = 0;
    int starP = -1; // pattern position just after the last %
    int starS = 0;  // text position that % was last tried to swallow up to
    while (true) {
        if (p < patternLen) {
            int pNext = p;
            UChar32 pc = NextChar(pattern, pNext, patternLen);
            if (pc == '%' && pc != escape) {
                starP = pNext;
                starS = s;
                p = pNext;
                continue;
            }
            bool literal = true;
            if (escape != 0 && pc == escape && pNext < patternLen) {
                pc = NextChar(pattern, pNext, patternLen);
            } else if (pc == '_') {
                literal = false;
            }
            if (s < textLen) {
                int sNext = s;
                const UChar32 sc = NextChar(text, sNext, textLen);
                if (!literal || sc == pc || Folded(sc) == Folded(pc)) {
                    p = pNext;
                    s = sNext;
                    continue;
                }
            }
        } else if (s == textLen) {
            return true;
        }
        if (starP < 0 || starS >= textLen)
            return false;
        NextChar(text, starS, textLen);
        s = starS;
        p = starP;
    }
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
