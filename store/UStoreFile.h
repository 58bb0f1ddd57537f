#pragma once
// Writing a new "KKAL.mdb" from the schema: used by the build's database tool and by tests.
// The program itself never creates or alters tables.

#include <QString>

QString StoreSchemaText();
// Creates the file (which must not exist) with the five tables. Raises EStoreError.
void CreateStoreFile(const QString& path);
