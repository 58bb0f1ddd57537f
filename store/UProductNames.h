#pragma once
// The names of all products with their groups in one block of text, so that a search can
// match every name in memory; after the first read, only the rows changed since are read.

#include <QtGlobal>
#include <cstdint>
#include <string>
#include <vector>

class TConnection;
struct TTableChanges;

struct TProductName {
    qint64 id;    // id_prod
    qint64 group; // id_grup; hasGroup false where it is null
    bool hasGroup;
    std::uint32_t begin; // the UTF-8 name in TProductNames::text
    std::uint32_t size;
};

// Read by group, with rows read again at the end; products without a name are left out.
struct TProductNames {
    std::string text;
    std::vector<TProductName> names;
};

// Both raise EStoreError in words when the store cannot be read.
TProductNames ReadProductNames(TConnection& conn);
// The names now, from those read before and the changes of tab_prod since: the changed rows
// are read again, or all of them when the changes are not complete or many.
TProductNames UpdatedProductNames(TConnection& conn, const TProductNames& before,
                                  const TTableChanges& changes);
