// Loadable extension for the sqlite3 shell: ".load ./libedomer_sqlite" gives the shell the
// collation and like() that the program's tables are declared with.

#include "store/UCollation.h"
#include "store/USqliteApi.h"

SQLITE_EXTENSION_INIT1

extern "C" int sqlite3_edomersqlite_init(sqlite3* db, char** errMsg,
                                         const sqlite3_api_routines* api) {
    SQLITE_EXTENSION_INIT2(api);
    const int rc = RegisterRussianText(db);
    if (rc != SQLITE_OK && errMsg)
        *errMsg = sqlite3_mprintf("cannot register the Russian collation");
    return rc;
}
