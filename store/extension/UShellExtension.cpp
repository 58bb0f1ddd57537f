// Loadable extension for the sqlite3 shell: ".load ./libedomer_sqlite" gives the shell the
// collation and like() that the program's tables are declared with. Besides the five tables of
// the catalog and the rations, a file may hold tab_norma, the daily norm (one row: pol 0/1,
// vozrast, rost, ves, aktivnost 0-4, cel 0-2, bel_proc, zir_proc, ugl_proc, vruchnuyu, kkal),
// made when a norm is first stored, and tab_ves, the diary's weights (one row per date: data
// "YYYY-MM-DD" unique, ves in kg), made when a weight is first stored.

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
