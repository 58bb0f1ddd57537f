#pragma once
// A shared query object of the data module: set the statement text, bind named parameters,
// execute or open, then read the rows by column position.

#include "base/UFormat.h"
#include "store/UDialect.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class TConnection;
struct sqlite3_stmt;

enum class TFieldType { Integer, Float, WideString, String, Boolean, DateTime };

// One column of the current row. A NULL reads as 0, the empty text or false.
class TField {
public:
    explicit TField(const QVariant& value) : FValue(value) {}
    bool IsNull() const { return FValue.isNull(); }
    int AsInteger() const;
    double AsFloat() const;
    QString AsString() const;
    bool AsBoolean() const;
    TDateTime AsDateTime() const { return AsFloat(); }
    const QVariant& Value() const { return FValue; }

private:
    QVariant FValue;
};

using TParamDecl = std::pair<QString, TFieldType>;

class TQuery {
public:
    TQuery(TConnection& conn, std::vector<TParamDecl> declared);
    TQuery(const TQuery&) = delete;
    TQuery& operator=(const TQuery&) = delete;

    // Setting the text closes the query and discards its rows and parameter values.
    void SetSQL(const QString& text);
    const QString& SQL() const { return FText; }

    // Binds a parameter of the text; the name matches in any letter case. A declared
    // parameter takes its declared type.
    void SetParam(const QString& name, const QVariant& value);
    // Whether the parameter is one of the object's declared list (in any letter case).
    bool Declares(const QString& name) const;

    // Runs a statement that changes data; returns the number of rows changed.
    int ExecSQL();
    // Runs a select and keeps its rows, positioned on the first.
    void Open();
    void Close();
    bool Active() const { return FActive; }

    // A run whose rows come in pieces, for a search whose first rows must come fast: the
    // source appends the next rows with AppendRows() and returns false once none are left.
    // Each piece is its own statement, so no lock is held between two pieces.
    using TRowSource = std::function<bool(TQuery&)>;
    void OpenInPieces(TRowSource source);
    // Runs a select and appends its rows; its "?N" parameters take the values by position.
    void AppendRows(const std::string& sql, const std::vector<QVariant>& values);
    TConnection& Connection() const { return FConn; }

    // The rows kept; for a run in pieces, those fetched so far.
    int RecordCount() const { return int(FRowCount); }
    bool Eof() const { return FEof; }
    // Moves to the next row; past the last the query stays on it and Eof() becomes true.
    void Next();
    void First();
    int FieldCount() const { return FColumnCount; }
    TField Fields(int index) const;

private:
    // The rows are kept compactly: one cell per column, the texts in one byte buffer.
    struct TCell {
        int type = 0;
        int length = 0;
        qint64 integer = 0; // the value, or the offset of the bytes of a text or blob
        double real = 0;
    };

    void Run(const std::string& sql, const std::vector<QVariant>& values, bool keepRows);
    bool FetchMore();
    void KeepCell(sqlite3_stmt* stmt, int column);
    void ClearRows();
    QVariant Coerced(const QString& name, const QVariant& value) const;

    TConnection& FConn;
    std::vector<TParamDecl> FDeclared;
    QString FText;
    TTranslatedStatement FTranslated;
    std::vector<QVariant> FParamValues;
    TRowSource FSource;
    std::vector<TCell> FCells;
    std::string FBytes;
    std::size_t FRowCount = 0;
    int FColumnCount = 0;
    std::size_t FCursor = 0;
    bool FActive = false;
    bool FEof = true;
};
