#pragma once
// Writing catalog rows directly: the build's database tool, the benchmarks and the test
// fixtures fill a store with groups, products and measures this way.

#include <QString>

class TConnection;

// Each returns the key the store assigned to the new row.
int InsertGroup(TConnection& conn, const QString& name, int parent, int numTv);
int InsertProduct(TConnection& conn, const QString& name, int group, double kkal, double bel,
                  double zir, double ugl);
int InsertMeasure(TConnection& conn, int product, const QString& name, int grams, double kkal);
