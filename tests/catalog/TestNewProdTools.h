#pragma once
// What the product, measures and ready-dish tests share: a product's measures as stored, and
// retyping a field as the user does.

#include "base/UFormat.h"
#include "store/UDM.h"
#include "tests/common/TestKeys.h"

#include <QLineEdit>
#include <QStringList>

// "name grams kcal" of the product's measures in creation order, kcal in the general form.
inline QStringList Measures(int idProd) {
    QStringList rows;
    TQuery q(DM->ADOTrans, {});
    q.SetSQL(QStringLiteral("SELECT naim_mera, g_mera, kkal_mera FROM tab_mera WHERE id_prod=%1 "
                            "ORDER BY id_mif")
                 .arg(idProd));
    for (q.Open(); !q.Eof(); q.Next())
        rows << QStringLiteral("%1 %2 %3")
                    .arg(q.Fields(0).AsString(), q.Fields(1).AsString(),
                         FormatGeneral(q.Fields(2).AsFloat()));
    return rows;
}

// Replaces the whole text as a paste does, past the key filters.
inline void Paste(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

// Selects the whole text, deletes it with Backspace and types the new one.
inline void Retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    SendKey(edit, Qt::Key_Backspace, QStringLiteral("\b"));
    TypeText(edit, text);
}
