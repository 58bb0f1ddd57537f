#pragma once
// The product list of the main window: the products of one group or subgroup with their
// energy per 100 g, each item carrying its id_prod.

class QTreeWidgetItem;
class TConnection;
class TListView;
class TQuery;

// Refills the list with the group's own products in the store's order; the first is selected.
void FillProductList(TListView* list, TQuery& q, int idGrup);
// The item carrying the product's id, or nullptr.
QTreeWidgetItem* FindProductItem(const TListView* list, int idProd);
// Selects the item and scrolls it into view.
void ShowProductItem(TListView* list, QTreeWidgetItem* item);
// Deletes the product and its measures in one transaction of the connection.
void DeleteProduct(TConnection& conn, TQuery& q, int idProd);
