#include "store/UDM.h"

#include "platform/UProgramFolder.h"

TDM* DM = nullptr;

namespace {

const QString kProviderPart = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");
const QString kSecurityPart = QStringLiteral("KKAL.mdb;Persist Security Info=False");

std::vector<TParamDecl> CatalogParams() {
    return {{QStringLiteral("id_prod"), TFieldType::Integer},
            {QStringLiteral("naim_mera"), TFieldType::WideString},
            {QStringLiteral("g"), TFieldType::Integer},
            {QStringLiteral("kkal_mera"), TFieldType::Float},
            {QStringLiteral("a1"), TFieldType::Integer}};
}

std::vector<TParamDecl> RationParams() {
    return {{QStringLiteral("Vremy"), TFieldType::DateTime},
            {QStringLiteral("id_prod"), TFieldType::Integer},
            {QStringLiteral("flag"), TFieldType::Boolean},
            {QStringLiteral("g"), TFieldType::Integer},
            {QStringLiteral("id_porc"), TFieldType::Integer},
            {QStringLiteral("kol_porc"), TFieldType::Float},
            {QStringLiteral("id_rac"), TFieldType::Integer},
            {QStringLiteral("kkal"), TFieldType::Float},
            {QStringLiteral("bel"), TFieldType::Float},
            {QStringLiteral("zir"), TFieldType::Float},
            {QStringLiteral("ugl"), TFieldType::Float},
            {QStringLiteral("nazv"), TFieldType::String}};
}

} // namespace

TDM::TDM(QObject* parent)
    : QObject(parent), SQLGrup(ADOTrans, CatalogParams()), TableProd(ADOTrans), DSProd(TableProd),
      SQL1(ADOTrans, RationParams()), SQL2(ADOTrans, RationParams()),
      qSaveRac(ADOTrans, RationParams()) {
    setObjectName(QStringLiteral("DM"));
    DataModuleCreate();
}

void TDM::DataModuleCreate() {
    ADOTrans.SetConnectionString(kProviderPart + ProgramFolder() + kSecurityPart);
}
