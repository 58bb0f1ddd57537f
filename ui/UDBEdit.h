#pragma once
// An edit bound to one column of the current record of a data source: it shows the column's
// value and, once the user has typed into it, writes its text back into the record when it is
// left and before the record is posted.

#include "store/UQuery.h"

#include <QLineEdit>
#include <QVariant>

class TDataSource;

// The text a bound edit shows for a column value: a number in the shortest general form with
// the locale's separator, NULL as the empty text.
QString FieldDisplayText(const QVariant& value, TFieldType type);
// The column value of a typed text: the empty text is NULL; a number column raises
// EConvertError for a text that is not a number.
QVariant FieldValueOfText(const QString& text, TFieldType type);

class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    TDBEdit(QWidget* parent, TDataSource& source, const QString& field, TFieldType type);

    const QString& DataField() const { return FField; }
    bool Modified() const { return FModified; }
    // Shows the record's value again and forgets what was typed.
    void Reset();
    // Writes the typed text into the record, if anything was typed since the last showing.
    void UpdateRecord();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool AcceptsChar(QChar ch) const;

    TDataSource& FSource;
    QString FField;
    TFieldType FType;
    bool FModified = false;
};
