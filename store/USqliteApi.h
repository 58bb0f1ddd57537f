#pragma once
// The SQLite interface: linked directly in the program, through the loader's table in the
// shell extension that shares the collation code.

#ifdef EDOMER_SQLITE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif
