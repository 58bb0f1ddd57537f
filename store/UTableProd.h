#pragma once
// The table object on tab_prod: one current record that the product dialog's bound fields
// show and change, appended or edited and then posted or cancelled.

#include <QObject>
#include <QString>
#include <QVariant>
#include <array>

class TConnection;

enum class TDataSetState { Inactive, Browse, Edit, Insert };

class TTableProd : public QObject {
    Q_OBJECT
public:
    // The persistent fields, in the column order of tab_prod.
    static constexpr int kFieldCount = 7;
    static const std::array<const char*, kFieldCount> kFieldNames;

    explicit TTableProd(TConnection& conn, QObject* parent = nullptr);

    void Open();
    void Close();
    bool Active() const { return FState != TDataSetState::Inactive; }
    TDataSetState State() const { return FState; }

    // Starts a new, empty record.
    void Append();
    // Moves to the row with the key; a record being edited or appended is posted first.
    // Returns false (and keeps the record) when no row has the key.
    bool Locate(int idProd);
    // Moves to the row with the highest key, posting a pending record first.
    void Last();
    void Edit();
    // Stores the record: bound fields hand over their text first, then the row is inserted,
    // or updated by its key alone. A new record's assigned key is readable afterwards.
    void Post();
    // Drops the changes; a new record is discarded.
    void Cancel();

    int FieldIndex(const QString& name) const;
    QVariant FieldValue(const QString& name) const;
    void SetFieldValue(const QString& name, const QVariant& value);

signals:
    // The current record was replaced or reloaded; bound fields show it anew.
    void RecordChanged();
    // Before a post: bound fields write their pending text into the record.
    void UpdateRecord();

private:
    void CheckActive() const;
    void CheckBrowseMode();
    bool LoadRow(const QString& whereClause);

    TConnection& FConn;
    TDataSetState FState = TDataSetState::Inactive;
    std::array<QVariant, kFieldCount> FValues;
    std::array<QVariant, kFieldCount> FStored;
};

// The data source that the product dialog's bound fields are attached to.
class TDataSource {
public:
    explicit TDataSource(TTableProd& dataSet) : DataSet(dataSet) {}
    TTableProd& DataSet;
};
