#pragma once
// The one writer of each kind of catalog row: the group and measures dialogs, the ready dish,
// the build's database tool, the benchmarks and the test fixtures all write rows this way.

#include <QString>

class TConnection;
class TQuery;

// Each returns the key the store assigned to the new row.
// A group or subgroup (idParent 0: a top-level group) at the sibling position numTv.
int InsertGroup(TQuery& q, const QString& name, int numTv, int idParent);
int InsertProduct(TConnection& conn, const QString& name, int group, double kkal, double bel,
                  double zir, double ugl);
// The statement binds the name and energy under the names the query object declares: the
// catalog's query :naim_mera and :kkal_mera, a ration query :nazv and :kkal.
int InsertMeasure(TQuery& q, int product, const QString& name, int grams, double kkal);
