#include "catalog/UGroupStore.h"

#include "catalog/UGroupTree.h"
#include "store/UDM.h"

namespace {

std::vector<TGroupRow> GroupRows(TQuery& q) {
    std::vector<TGroupRow> rows;
    for (q.Open(); !q.Eof(); q.Next())
        rows.push_back({q.Fields(0).AsInteger(), q.Fields(1).AsString()});
    return rows;
}

// Runs the statement on SQL2 once for each id_prod that the select on SQL1 returns.
void ForEachProduct(const QString& select, int idGrup, const QString& statement) {
    TQuery& products = DM->SQL1;
    products.SetSQL(select);
    products.SetParam(QStringLiteral("id_prod"), idGrup);
    for (products.Open(); !products.Eof(); products.Next()) {
        DM->SQL2.SetSQL(statement);
        DM->SQL2.SetParam(QStringLiteral("id_prod"), products.Fields(0).AsInteger());
        DM->SQL2.ExecSQL();
    }
}

void ExecWithGroup(const QString& statement, int value) {
    DM->SQL1.SetSQL(statement);
    DM->SQL1.SetParam(QStringLiteral("id_prod"), value);
    DM->SQL1.ExecSQL();
}

} // namespace

bool GroupNameExists(const QString& name) {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE naim_grup=:naim_mera"));
    q.SetParam(QStringLiteral("naim_mera"), name);
    q.Open();
    return q.RecordCount() > 0;
}

void RenameGroup(int idGrup, const QString& name) {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera WHERE id_grup=:id_prod"));
    q.SetParam(QStringLiteral("naim_mera"), name);
    q.SetParam(QStringLiteral("id_prod"), idGrup);
    q.ExecSQL();
}

void MoveGroupInto(int idGrup, const QString& name, int numTv, int idParent) {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera,num_tv=:a1,id_parent=") +
             QString::number(idParent) + QStringLiteral(" WHERE id_grup=:id_prod"));
    q.SetParam(QStringLiteral("naim_mera"), name);
    q.SetParam(QStringLiteral("id_prod"), idGrup);
    q.SetParam(QStringLiteral("a1"), numTv);
    q.ExecSQL();
}

void UpdateSubgroup(int idGrup, const QString& name, int numTv, int idParent) {
    TQuery& q = DM->SQLGrup;
    q.SetSQL(QStringLiteral("UPDATE  tab_grup SET naim_grup=:naim_mera, num_tv=:a1, id_parent=:g "
                            "WHERE id_grup=:id_prod"));
    q.SetParam(QStringLiteral("naim_mera"), name);
    q.SetParam(QStringLiteral("id_prod"), idGrup);
    q.SetParam(QStringLiteral("a1"), numTv);
    q.SetParam(QStringLiteral("g"), idParent);
    q.ExecSQL();
}

void StorePositions(int firstId, int firstPosition, int secondId, int secondPosition) {
    TTransaction transaction(DM->ADOTrans);
    StorePosition(DM->SQLGrup, firstPosition, firstId);
    StorePosition(DM->SQLGrup, secondPosition, secondId);
    transaction.Commit();
}

std::vector<TGroupRow> TopLevelGroups() {
    DM->SQLGrup.SetSQL(
        QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0 ORDER BY num_TV,id_grup"));
    return GroupRows(DM->SQLGrup);
}

std::vector<TGroupRow> TopLevelGroupsOtherThan(int idGrup) {
    DM->SQLGrup.SetSQL(QStringLiteral("SELECT * FROM tab_grup WHERE id_parent=0 and id_grup<>") +
                       QString::number(idGrup) + QStringLiteral(" ORDER BY num_TV,id_grup"));
    return GroupRows(DM->SQLGrup);
}

void DeleteGroupCascade(int idGrup, std::optional<int> topLevelPosition) {
    const QString subgroupProducts = QStringLiteral(
        "SELECT id_prod FROM tab_prod INNER JOIN tab_grup ON tab_prod.id_grup=tab_Grup.id_grup "
        "WHERE id_parent=:id_prod");
    const QString ownProducts =
        QStringLiteral("SELECT id_prod FROM tab_prod WHERE id_grup=:id_prod");
    TTransaction transaction(DM->ADOTrans);
    ForEachProduct(subgroupProducts, idGrup,
                   QStringLiteral("DELETE FROM tab_mera WHERE id_prod=:id_prod"));
    ForEachProduct(ownProducts, idGrup,
                   QStringLiteral("DELETE FROM tab_mera WHERE id_prod=:id_prod"));
    ForEachProduct(subgroupProducts, idGrup,
                   QStringLiteral("DELETE FROM tab_prod WHERE id_prod=:id_prod"));
    ExecWithGroup(QStringLiteral("DELETE FROM tab_grup WHERE id_grup=:id_prod"), idGrup);
    ExecWithGroup(QStringLiteral("DELETE FROM tab_grup WHERE id_parent=:id_prod"), idGrup);
    if (topLevelPosition)
        ExecWithGroup(QStringLiteral("UPDATE tab_grup SET num_TV=num_TV-1 WHERE num_TV>:id_prod"),
                      *topLevelPosition);
    ExecWithGroup(QStringLiteral("DELETE FROM tab_prod WHERE id_grup=:id_prod"), idGrup);
    transaction.Commit();
}
