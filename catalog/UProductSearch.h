#pragma once
// Finding products by name. A search run is the open result set of a query, standing on the
// match shown; its rows are id_prod, id_grup, naim_prod, the group's num_tv and id_parent (and
// kkal for the list), products of top-level groups first. The typed text is bound as a
// parameter and matches itself: "%", "_" and "\" are ordinary characters of it.

#include <QString>
#include <functional>
#include <optional>

class QTreeWidget;
class TListView;
class TQuery;

enum class TSearchKind { Contains, BeginsWith, List };

// "%text%" or "text%", with the pattern characters of the text escaped by "\".
QString SearchPattern(const QString& text, bool beginsWith);
// Opens the run on the query, standing on its first match.
void OpenSearch(TQuery& q, TSearchKind kind, const QString& text);

struct TSearchMatch {
    int idProd;
    int idGrup;
};
// The match the run stands on; none when it has no rows.
std::optional<TSearchMatch> CurrentMatch(const TQuery& run);

// Selects the match's group node, lets groupClick refill the list, then selects the product
// and scrolls to it. Returns whether the product was found and selected.
bool ShowMatch(QTreeWidget* tree, TListView* list, const TSearchMatch& match,
               const std::function<void()>& groupClick);
// ShowMatch on the main window's group tree and product list.
bool ShowSearchMatch(const TSearchMatch& match);
