#include "store/UCatalogRows.h"

#include "store/UQuery.h"

#include <QVariant>
#include <initializer_list>
#include <utility>

namespace {

int Insert(TConnection& conn, const QString& statement,
           std::initializer_list<std::pair<const char*, QVariant>> values) {
    TQuery q(conn, {});
    q.SetSQL(statement);
    for (const auto& [name, value] : values)
        q.SetParam(QString::fromLatin1(name), value);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
    q.Open();
    return q.Fields(0).AsInteger();
}

} // namespace

int InsertGroup(TConnection& conn, const QString& name, int parent, int numTv) {
    return Insert(conn,
                  QStringLiteral("INSERT INTO tab_grup(naim_grup,num_tv,id_parent) "
                                 "VALUES(:naim,:num,:parent)"),
                  {{"naim", name}, {"num", numTv}, {"parent", parent}});
}

int InsertProduct(TConnection& conn, const QString& name, int group, double kkal, double bel,
                  double zir, double ugl) {
    return Insert(conn,
                  QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                 "VALUES(:naim,:kkal,:bel,:zir,:ugl,:grup)"),
                  {{"naim", name},
                   {"kkal", kkal},
                   {"bel", bel},
                   {"zir", zir},
                   {"ugl", ugl},
                   {"grup", group}});
}

int InsertMeasure(TConnection& conn, int product, const QString& name, int grams, double kkal) {
    return Insert(conn,
                  QStringLiteral("INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) "
                                 "VALUES(:prod,:naim,:g,:kkal)"),
                  {{"prod", product}, {"naim", name}, {"g", grams}, {"kkal", kkal}});
}
