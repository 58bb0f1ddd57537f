#include "ration/URacionStore.h"

#include "store/UDM.h"

namespace {

// Writes the ration's entries under the saved ration, inside the caller's transaction.
void WriteEntries(int idRac, const TArraySave& ration) {
    TQuery& q = DM->SQL1;
    for (const TRacionItem& e : ration) {
        q.SetSQL(QStringLiteral(
            "INSERT INTO "
            "tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,zir,ugl) "
            "VALUES(:id_rac,:vremy,:id_prod,:flag,:g,:id_porc,:kol_porc,:kkal,:bel,:zir,:ugl) "));
        q.SetParam(QStringLiteral("id_rac"), idRac);
        q.SetParam(QStringLiteral("vremy"), e.vremy);
        q.SetParam(QStringLiteral("id_prod"), e.id_prod);
        q.SetParam(QStringLiteral("flag"), e.flag);
        q.SetParam(QStringLiteral("g"), e.g);
        q.SetParam(QStringLiteral("id_porc"), e.id_porc);
        q.SetParam(QStringLiteral("kol_porc"), e.kol_porc);
        q.SetParam(QStringLiteral("kkal"), e.kkal);
        q.SetParam(QStringLiteral("bel"), e.bel);
        q.SetParam(QStringLiteral("zir"), e.zir);
        q.SetParam(QStringLiteral("ugl"), e.ugl);
        q.ExecSQL();
    }
}

void DeleteEntries(int idRac) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("DELETE FROM tab_racion WHERE id_rac=:id"));
    q.SetParam(QStringLiteral("id"), idRac);
    q.ExecSQL();
}

} // namespace

std::optional<int> FindSavedRacion(const QString& name) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_nazv_rac WHERE naim_rac=:nazv"));
    q.SetParam(QStringLiteral("nazv"), name);
    q.Open();
    if (q.RecordCount() == 0)
        return std::nullopt;
    return q.Fields(0).AsInteger();
}

bool SavedRacionExists(int id) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT * FROM tab_nazv_rac WHERE id=:id"));
    q.SetParam(QStringLiteral("id"), id);
    q.Open();
    return q.RecordCount() > 0;
}

QString SavedRacionName(int id) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT naim_rac FROM tab_nazv_rac WHERE id=:id"));
    q.SetParam(QStringLiteral("id"), id);
    q.Open();
    return q.Eof() ? QString() : q.Fields(0).AsString();
}

void ResaveRacion(int id, const TArraySave& ration) {
    TTransaction transaction(DM->ADOTrans);
    DeleteEntries(id);
    WriteEntries(id, ration);
    transaction.Commit();
}

int SaveRacionAs(const QString& name, const TArraySave& ration) {
    TTransaction transaction(DM->ADOTrans);
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)"));
    q.SetParam(QStringLiteral("nazv"), name);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("SELECT max(id) FROM tab_nazv_rac"));
    q.Open();
    const int id = q.Fields(0).AsInteger();
    WriteEntries(id, ration);
    transaction.Commit();
    return id;
}

TArraySave LoadRacion(int id) {
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("SELECT vremy,id_prod,flag,g,id_porc,kol_porc,kkal,bel,zir,ugl FROM "
                            "tab_racion WHERE id_rac=:id_rac ORDER BY vremy,id_mif"));
    q.SetParam(QStringLiteral("id_rac"), id);
    TArraySave ration;
    for (q.Open(); !q.Eof(); q.Next())
        ration.push_back({q.Fields(0).AsDateTime(), q.Fields(1).AsInteger(),
                          q.Fields(2).AsBoolean(), q.Fields(3).AsInteger(), q.Fields(4).AsInteger(),
                          q.Fields(5).AsFloat(), q.Fields(6).AsFloat(), q.Fields(7).AsFloat(),
                          q.Fields(8).AsFloat(), q.Fields(9).AsFloat()});
    return ration;
}

void DeleteSavedRacion(int id) {
    TTransaction transaction(DM->ADOTrans);
    DeleteEntries(id);
    TQuery& q = DM->SQL1;
    q.SetSQL(QStringLiteral("DELETE FROM tab_nazv_rac WHERE id=:id"));
    q.SetParam(QStringLiteral("id"), id);
    q.ExecSQL();
    transaction.Commit();
}
