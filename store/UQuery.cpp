#include "store/UQuery.h"

#include "base/UErrors.h"
#include "store/UConnection.h"
#include "store/USqliteApi.h"

namespace {

int BindValue(sqlite3_stmt* stmt, int index, const QVariant& value) {
    if (value.isNull() || !value.isValid())
        return sqlite3_bind_null(stmt, index);
    switch (value.typeId()) {
    case QMetaType::Bool:
        return sqlite3_bind_int(stmt, index, value.toBool() ? 1 : 0);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return sqlite3_bind_int64(stmt, index, value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return sqlite3_bind_double(stmt, index, value.toDouble());
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(stmt, index, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

} // namespace

int TField::AsInteger() const {
    switch (FValue.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::QString:
        return FValue.toString().isEmpty() ? 0 : StrToInt(FValue.toString());
    case QMetaType::Double:
        return RoundToInt(FValue.toDouble());
    default:
        // A stored number beyond the 32-bit range is a conversion error, not a wrapped value.
        return RoundToInt(double(FValue.toLongLong()));
    }
}

double TField::AsFloat() const {
    switch (FValue.typeId()) {
    case QMetaType::UnknownType:
        return 0;
    case QMetaType::QString:
        return FValue.toString().isEmpty() ? 0 : StrToFloat(FValue.toString());
    default:
        return FValue.toDouble();
    }
}

QString TField::AsString() const {
    switch (FValue.typeId()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::Double:
        return FormatGeneral(FValue.toDouble());
    default:
        return FValue.toString();
    }
}

bool TField::AsBoolean() const {
    if (FValue.typeId() == QMetaType::QString)
        return !FValue.toString().isEmpty() && FValue.toString() != QLatin1String("0");
    return FValue.toDouble() != 0;
}

TQuery::TQuery(TConnection& conn, std::vector<TParamDecl> declared)
    : FConn(conn), FDeclared(std::move(declared)) {}

void TQuery::SetSQL(const QString& text) {
    Close();
    FText = text;
    FTranslated = TranslateStatement(text);
    FParamValues.assign(std::size_t(FTranslated.paramNames.size()), QVariant());
}

bool TQuery::Declares(const QString& name) const {
    for (const auto& decl : FDeclared)
        if (decl.first.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QVariant TQuery::Coerced(const QString& name, const QVariant& value) const {
    if (value.isNull())
        return value;
    for (const auto& decl : FDeclared) {
        if (decl.first.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        switch (decl.second) {
        case TFieldType::Integer:
            if (value.typeId() == QMetaType::Double)
                return QVariant(qint64(RoundToInt(value.toDouble())));
            return QVariant(value.toLongLong());
        case TFieldType::Boolean:
            return QVariant(value.toBool());
        case TFieldType::Float:
        case TFieldType::DateTime:
            return QVariant(value.toDouble());
        case TFieldType::WideString:
        case TFieldType::String:
            return QVariant(value.toString());
        }
    }
    return value;
}

void TQuery::SetParam(const QString& name, const QVariant& value) {
    const int index = int(FTranslated.paramNames.indexOf(name.toLower()));
    if (index < 0)
        throw EStoreError(
            QStringLiteral("Параметр «%1» не найден в запросе:\n%2").arg(name, FText));
    FParamValues[std::size_t(index)] = Coerced(name, value);
}

void TQuery::Run(const std::string& sql, const std::vector<QVariant>& values, bool keepRows) {
    try {
        auto statement = FConn.Prepare(sql);
        sqlite3_stmt* stmt = statement->Handle();
        const TStoreAccess access =
            sqlite3_stmt_readonly(stmt) ? TStoreAccess::Read : TStoreAccess::Write;
        for (std::size_t i = 0; i < values.size(); ++i)
            if (BindValue(stmt, int(i) + 1, values[i]) != SQLITE_OK)
                FConn.Fail(access);
        FColumnCount = sqlite3_column_count(stmt);
        int rc = 0;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (!keepRows)
                continue;
            for (int c = 0; c < FColumnCount; ++c)
                KeepCell(stmt, c);
            ++FRowCount;
        }
        if (rc != SQLITE_DONE)
            FConn.Fail(access);
    } catch (const EStoreError&) {
        // Nothing of a failed operation may be committed later by another one.
        FConn.RollbackTrans();
        Close();
        throw;
    }
}

int TQuery::ExecSQL() {
    Close();
    Run(FTranslated.sql, FParamValues, false);
    return sqlite3_changes(FConn.Handle());
}

void TQuery::Open() {
    Close();
    Run(FTranslated.sql, FParamValues, true);
    FActive = true;
    FCursor = 0;
    FEof = FRowCount == 0;
}

void TQuery::OpenInPieces(TRowSource source) {
    Close();
    FSource = std::move(source);
    FActive = true;
    FetchMore();
    FEof = FRowCount == 0;
}

void TQuery::AppendRows(const std::string& sql, const std::vector<QVariant>& values) {
    Run(sql, values, true);
}

bool TQuery::FetchMore() {
    while (FSource) {
        // The source is held here while it runs: a failure inside it closes the query.
        TRowSource source = std::move(FSource);
        FSource = nullptr;
        const std::size_t had = FRowCount;
        if (source(*this))
            FSource = std::move(source);
        if (FRowCount > had)
            return true;
    }
    return false;
}

void TQuery::Close() {
    FActive = false;
    FSource = nullptr;
    ClearRows();
    FCursor = 0;
    FEof = true;
}

void TQuery::Next() {
    if (FCursor + 1 < FRowCount || FetchMore())
        ++FCursor;
    else
        FEof = true;
}

void TQuery::First() {
    FCursor = 0;
    FEof = FRowCount == 0;
}

TField TQuery::Fields(int index) const {
    if (FRowCount == 0 || index < 0 || index >= FColumnCount)
        return TField(QVariant());
    const TCell& cell = FCells[FCursor * std::size_t(FColumnCount) + std::size_t(index)];
    const char* bytes = FBytes.data() + cell.integer;
    switch (cell.type) {
    case SQLITE_INTEGER:
        return TField(QVariant(qint64(cell.integer)));
    case SQLITE_FLOAT:
        return TField(QVariant(cell.real));
    case SQLITE_TEXT:
        return TField(QVariant(QString::fromUtf8(bytes, cell.length)));
    case SQLITE_BLOB:
        return TField(QVariant(QByteArray(bytes, cell.length)));
    default:
        return TField(QVariant());
    }
}

void TQuery::KeepCell(sqlite3_stmt* stmt, int column) {
    TCell cell;
    cell.type = sqlite3_column_type(stmt, column);
    switch (cell.type) {
    case SQLITE_INTEGER:
        cell.integer = sqlite3_column_int64(stmt, column);
        break;
    case SQLITE_FLOAT:
        cell.real = sqlite3_column_double(stmt, column);
        break;
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const void* data = cell.type == SQLITE_TEXT
                               ? static_cast<const void*>(sqlite3_column_text(stmt, column))
                               : sqlite3_column_blob(stmt, column);
        cell.length = sqlite3_column_bytes(stmt, column);
        cell.integer = qint64(FBytes.size());
        FBytes.append(static_cast<const char*>(data), std::size_t(cell.length));
        break;
    }
    default:
        break;
    }
    FCells.push_back(cell);
}

void TQuery::ClearRows() {
    FCells.clear();
    FBytes.clear();
    FRowCount = 0;
}
