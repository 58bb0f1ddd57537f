#include "store/UQuery.h"

#include "app/UErrors.h"
#include "store/UConnection.h"
#include "store/USqliteApi.h"

namespace {

QVariant ColumnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(stmt, i));
    case SQLITE_TEXT:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                              sqlite3_column_bytes(stmt, i)));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, i)),
                                   sqlite3_column_bytes(stmt, i)));
    default:
        return QVariant();
    }
}

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
    case QMetaType::Double:
        return int(RoundHalfEven(FValue.toDouble()));
    case QMetaType::QString:
        return FValue.toString().isEmpty() ? 0 : StrToInt(FValue.toString());
    default:
        return int(FValue.toLongLong());
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

QVariant TQuery::Coerced(const QString& name, const QVariant& value) const {
    if (value.isNull())
        return value;
    for (const auto& decl : FDeclared) {
        if (decl.first.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        switch (decl.second) {
        case TFieldType::Integer:
            if (value.typeId() == QMetaType::Double)
                return QVariant(qint64(RoundHalfEven(value.toDouble())));
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

void TQuery::Run(bool keepRows) {
    try {
        auto statement = FConn.Prepare(FTranslated.sql);
        sqlite3_stmt* stmt = statement->Handle();
        for (std::size_t i = 0; i < FParamValues.size(); ++i)
            if (BindValue(stmt, int(i) + 1, FParamValues[i]) != SQLITE_OK)
                FConn.Fail(FText);
        FColumnCount = sqlite3_column_count(stmt);
        int rc = 0;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (!keepRows)
                continue;
            std::vector<QVariant> row;
            row.reserve(std::size_t(FColumnCount));
            for (int c = 0; c < FColumnCount; ++c)
                row.push_back(ColumnValue(stmt, c));
            FRows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE)
            FConn.Fail(FText);
    } catch (const EStoreError&) {
        // Nothing of a failed operation may be committed later by another one.
        FConn.RollbackTrans();
        FRows.clear();
        throw;
    }
}

int TQuery::ExecSQL() {
    Close();
    Run(false);
    return sqlite3_changes(FConn.Handle());
}

void TQuery::Open() {
    Close();
    Run(true);
    FActive = true;
    FCursor = 0;
    FEof = FRows.empty();
}

void TQuery::Close() {
    FActive = false;
    FRows.clear();
    FCursor = 0;
    FEof = true;
}

void TQuery::Next() {
    if (FCursor + 1 < FRows.size())
        ++FCursor;
    else
        FEof = true;
}

void TQuery::First() {
    FCursor = 0;
    FEof = FRows.empty();
}

TField TQuery::Fields(int index) const {
    if (FRows.empty() || index < 0 || index >= FColumnCount)
        return TField(QVariant());
    return TField(FRows[FCursor][std::size_t(index)]);
}
