#include "store/UTableProd.h"

#include "base/UErrors.h"
#include "store/UQuery.h"

const std::array<const char*, TTableProd::kFieldCount> TTableProd::kFieldNames = {
    "id_prod", "naim_prod", "kkal", "bel", "zir", "ugl", "id_grup"};

namespace {

const std::vector<TParamDecl> kTableParams = {{QStringLiteral("naim_prod"), TFieldType::WideString},
                                              {QStringLiteral("kkal"), TFieldType::Float},
                                              {QStringLiteral("bel"), TFieldType::Float},
                                              {QStringLiteral("zir"), TFieldType::Float},
                                              {QStringLiteral("ugl"), TFieldType::Float},
                                              {QStringLiteral("id_grup"), TFieldType::Integer},
                                              {QStringLiteral("id_prod"), TFieldType::Integer}};

} // namespace

TTableProd::TTableProd(TConnection& conn, QObject* parent) : QObject(parent), FConn(conn) {}

void TTableProd::CheckActive() const {
    if (FState == TDataSetState::Inactive)
        throw EStoreError(QStringLiteral("Таблица продуктов не открыта"));
}

void TTableProd::CheckBrowseMode() {
    if (FState == TDataSetState::Edit || FState == TDataSetState::Insert)
        Post();
}

void TTableProd::Open() {
    if (FState == TDataSetState::Inactive) {
        FState = TDataSetState::Browse;
        FValues.fill(QVariant());
        FStored = FValues;
        emit RecordChanged();
    }
}

void TTableProd::Close() {
    FState = TDataSetState::Inactive;
    FValues.fill(QVariant());
    FStored = FValues;
    emit RecordChanged();
}

void TTableProd::Append() {
    CheckActive();
    CheckBrowseMode();
    FValues.fill(QVariant());
    FStored = FValues;
    FState = TDataSetState::Insert;
    emit RecordChanged();
}

bool TTableProd::LoadRow(const QString& whereClause) {
    TQuery q(FConn, kTableParams);
    q.SetSQL(QStringLiteral("SELECT id_prod,naim_prod,kkal,bel,zir,ugl,id_grup FROM tab_prod ") +
             whereClause);
    q.Open();
    if (q.Eof())
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        FValues[std::size_t(i)] = q.Fields(i).Value();
    FStored = FValues;
    return true;
}

bool TTableProd::Locate(int idProd) {
    CheckActive();
    CheckBrowseMode();
    if (!LoadRow(QStringLiteral("WHERE id_prod=%1").arg(idProd)))
        return false;
    FState = TDataSetState::Browse;
    emit RecordChanged();
    return true;
}

void TTableProd::Last() {
    CheckActive();
    CheckBrowseMode();
    if (LoadRow(QStringLiteral("ORDER BY id_prod DESC LIMIT 1")))
        emit RecordChanged();
}

void TTableProd::Edit() {
    CheckActive();
    if (FState == TDataSetState::Browse) {
        if (FValues[0].isNull())
            throw EStoreError(QStringLiteral("Нет записи для редактирования"));
        FState = TDataSetState::Edit;
    }
}

void TTableProd::Post() {
    CheckActive();
    if (FState != TDataSetState::Edit && FState != TDataSetState::Insert)
        return;
    emit UpdateRecord();
    TQuery q(FConn, kTableParams);
    if (FState == TDataSetState::Insert) {
        q.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                "VALUES(:naim_prod,:kkal,:bel,:zir,:ugl,:id_grup)"));
    } else {
        q.SetSQL(QStringLiteral("UPDATE tab_prod SET naim_prod=:naim_prod,kkal=:kkal,bel=:bel,"
                                "zir=:zir,ugl=:ugl,id_grup=:id_grup WHERE id_prod=:id_prod"));
        q.SetParam(QStringLiteral("id_prod"), FValues[0]);
    }
    for (int i = 1; i < kFieldCount; ++i)
        q.SetParam(QString::fromLatin1(kFieldNames[std::size_t(i)]), FValues[std::size_t(i)]);
    q.ExecSQL();
    if (FState == TDataSetState::Insert) {
        TQuery key(FConn, {});
        key.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
        key.Open();
        FValues[0] = key.Fields(0).Value();
    }
    FStored = FValues;
    FState = TDataSetState::Browse;
    emit RecordChanged();
}

void TTableProd::Cancel() {
    if (FState == TDataSetState::Insert)
        FValues.fill(QVariant());
    else
        FValues = FStored;
    FStored = FValues;
    if (FState != TDataSetState::Inactive)
        FState = TDataSetState::Browse;
    emit RecordChanged();
}

int TTableProd::FieldIndex(const QString& name) const {
    for (int i = 0; i < kFieldCount; ++i)
        if (name.compare(QLatin1String(kFieldNames[std::size_t(i)]), Qt::CaseInsensitive) == 0)
            return i;
    throw EStoreError(QStringLiteral("Поле «%1» не найдено").arg(name));
}

QVariant TTableProd::FieldValue(const QString& name) const {
    return FValues[std::size_t(FieldIndex(name))];
}

void TTableProd::SetFieldValue(const QString& name, const QVariant& value) {
    CheckActive();
    const int index = FieldIndex(name);
    if (index == 0)
        throw EStoreError(QStringLiteral("Поле id_prod только для чтения"));
    if (FState == TDataSetState::Browse)
        Edit();
    FValues[std::size_t(index)] = value;
}
