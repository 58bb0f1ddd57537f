#include "ui/UDBEdit.h"

#include "base/UFormat.h"
#include "store/UTableProd.h"
#include "ui/UErrorBox.h"
#include "ui/UEvents.h"
#include "ui/USeams.h"

#include <QKeyEvent>

namespace {

bool IsNumber(TFieldType type) {
    return type == TFieldType::Integer || type == TFieldType::Float;
}

} // namespace

QString FieldDisplayText(const QVariant& value, TFieldType type) {
    if (value.isNull())
        return QString();
    switch (type) {
    case TFieldType::Float:
        return FormatGeneral(value.toDouble());
    case TFieldType::Integer:
        return QString::number(value.toLongLong());
    default:
        return value.toString();
    }
}

QVariant FieldValueOfText(const QString& text, TFieldType type) {
    if (text.isEmpty())
        return QVariant();
    switch (type) {
    case TFieldType::Float:
        return StrToFloat(text);
    case TFieldType::Integer:
        return StrToInt(text);
    default:
        return text;
    }
}

TDBEdit::TDBEdit(QWidget* parent, TDataSource& source, const QString& field, TFieldType type)
    : QLineEdit(parent), FSource(source), FField(field), FType(type) {
    Connect(&FSource.DataSet, &TTableProd::RecordChanged, this, [this] { Reset(); });
    // Connected directly, without the guard: a text that does not convert must abort the post.
    connect(&FSource.DataSet, &TTableProd::UpdateRecord, this, [this] { UpdateRecord(); });
    Connect(this, &QLineEdit::textEdited, this, [this] { FModified = true; });
    Reset();
}

void TDBEdit::Reset() {
    const TTableProd& table = FSource.DataSet;
    setText(table.Active() ? FieldDisplayText(table.FieldValue(FField), FType) : QString());
    FModified = false;
}

void TDBEdit::UpdateRecord() {
    if (!FModified)
        return;
    FSource.DataSet.SetFieldValue(FField, FieldValueOfText(text(), FType));
    Reset();
}

bool TDBEdit::AcceptsChar(QChar ch) const {
    if (!IsNumber(FType))
        return true;
    if ((ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('+') ||
        ch == QLatin1Char('-'))
        return true;
    return FType == TFieldType::Float &&
           (ch == DecimalSeparator() || ch == QLatin1Char('e') || ch == QLatin1Char('E'));
}

void TDBEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Reset();
        selectAll();
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.at(0).isPrint() && !AcceptsChar(typed.at(0))) {
        Seams().Beep();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDBEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!LeavesControl(event))
        return;
    bool stored = false;
    Guard([&] {
        UpdateRecord();
        stored = true;
    });
    if (!stored) {
        selectAll();
        setFocus();
    }
}
