#include "store/UCatalogRows.h"

#include "store/UQuery.h"

#include <QVariant>
#include <initializer_list>
#include <utility>

namespace {

int Insert(TQuery& q, const QString& statement,
           std::initializer_list<std::pair<QString, QVariant>> values) {
    q.SetSQL(statement);
    for (const auto& [name, value] : values)
        q.SetParam(name, value);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
    q.Open();
    return q.Fields(0).AsInteger();
}

} // namespace

int InsertGroup(TQuery& q, const QString& name, int numTv, int idParent) {
    return Insert(q,
                  QStringLiteral("INSERT INTO tab_grup(naim_grup,num_tv,id_parent) "
                                 "VALUES(:naim_mera,:id_prod,:g)"),
                  {{QStringLiteral("naim_mera"), name},
                   {QStringLiteral("id_prod"), numTv},
                   {QStringLiteral("g"), idParent}});
}

int InsertProduct(TConnection& conn, const QString& name, int group, double kkal, double bel,
                  double zir, double ugl) {
    TQuery q(conn, {});
    return Insert(q,
                  QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                 "VALUES(:naim,:kkal,:bel,:zir,:ugl,:grup)"),
                  {{QStringLiteral("naim"), name},
                   {QStringLiteral("kkal"), kkal},
                   {QStringLiteral("bel"), bel},
                   {QStringLiteral("zir"), zir},
                   {QStringLiteral("ugl"), ugl},
                   {QStringLiteral("grup"), group}});
}

int InsertMeasure(TQuery& q, int product, const QString& name, int grams, double kkal) {
    const bool ration = q.Declares(QStringLiteral("nazv"));
    const QString nameParam = ration ? QStringLiteral("nazv") : QStringLiteral("naim_mera");
    const QString kkalParam = ration ? QStringLiteral("kkal") : QStringLiteral("kkal_mera");
    return Insert(q,
                  QStringLiteral("INSERT INTO tab_mera(id_prod, naim_mera, g_mera,kkal_mera) "
                                 "VALUES (:id_prod,:%1,:g,:%2)")
                      .arg(nameParam, kkalParam),
                  {{QStringLiteral("id_prod"), product},
                   {nameParam, name},
                   {QStringLiteral("g"), grams},
                   {kkalParam, kkal}});
}
