#include "catalog/UProductList.h"

#include "base/UFormat.h"
#include "store/UConnection.h"
#include "store/UQuery.h"
#include "ui/UListView.h"

void FillProductList(TListView* list, TQuery& q, int idGrup) {
    TReadScope scope(q.Connection());
    q.SetSQL(QStringLiteral("SELECT id_prod, naim_prod, kkal FROM tab_prod WHERE id_grup=") +
             QString::number(idGrup) + QStringLiteral(" ORDER BY naim_prod"));
    q.Open();
    list->Clear();
    if (q.RecordCount() == 0)
        return;
    std::vector<TListRow> rows;
    rows.reserve(std::size_t(q.RecordCount()));
    for (; !q.Eof(); q.Next())
        rows.push_back({q.Fields(1).AsString(),
                        {FormatOneDecimal(q.Fields(2).AsFloat())},
                        q.Fields(0).AsInteger()});
    list->AddItems(rows);
    list->Select(list->Item(0));
}

QTreeWidgetItem* FindProductItem(const TListView* list, int idProd) {
    for (int i = 0; i < list->Count(); ++i)
        if (TListView::Data(list->Item(i)) == idProd)
            return list->Item(i);
    return nullptr;
}

void ShowProductItem(TListView* list, QTreeWidgetItem* item) {
    list->Select(item);
    list->scrollToItem(item);
}

void DeleteProduct(TConnection& conn, TQuery& q, int idProd) {
    const QString id = QString::number(idProd);
    TTransaction transaction(conn);
    q.SetSQL(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=") + id);
    q.ExecSQL();
    q.SetSQL(QStringLiteral("DELETE FROM tab_mera WHERE id_prod=") + id);
    q.ExecSQL();
    transaction.Commit();
}
