#pragma once
// Tables this program added after the first files were made. A file without one reads as
// holding no rows; the table is created inside the transaction that first writes to it, so a
// failed write leaves the file as it was.

class TConnection;

bool TableExists(TConnection& conn, const char* table);
// Creates the table by its statement unless the file has it. Call inside a transaction.
void CreateTableIfMissing(TConnection& conn, const char* table, const char* createStatement);
