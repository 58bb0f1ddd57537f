#include "catalog/UProductSearch.h"

#include "catalog/UGroupTree.h"
#include "catalog/UProductList.h"
#include "store/UQuery.h"
#include "ui/UMainWindowFace.h"

namespace {

const QString kMatchColumns =
    QStringLiteral("SELECT tab_prod.id_prod,tab_prod.id_grup,tab_prod.naim_prod,tab_grup.num_tv,"
                   "tab_grup.id_parent");
const QString kMatchRest =
    QStringLiteral("   FROM tab_prod LEFT JOIN tab_grup ON tab_prod.id_grup=tab_grup.id_grup "
                   "WHERE naim_prod LIKE :nazv ESCAPE '\\' ORDER BY id_parent, "
                   "tab_grup.num_tv,naim_prod");

} // namespace

QString SearchPattern(const QString& text, bool beginsWith) {
    QString escaped;
    escaped.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return (beginsWith ? QString() : QStringLiteral("%")) + escaped + QStringLiteral("%");
}

void OpenSearch(TQuery& q, TSearchKind kind, const QString& text) {
    const QString columns = kind == TSearchKind::List
                                ? kMatchColumns + QStringLiteral(",tab_prod.kkal")
                                : kMatchColumns;
    q.SetSQL(columns + kMatchRest);
    q.SetParam(QStringLiteral("nazv"), SearchPattern(text, kind == TSearchKind::BeginsWith));
    q.Open();
}

std::optional<TSearchMatch> CurrentMatch(const TQuery& run) {
    if (run.RecordCount() == 0)
        return std::nullopt;
    return TSearchMatch{run.Fields(0).AsInteger(), run.Fields(1).AsInteger()};
}

bool ShowMatch(QTreeWidget* tree, TListView* list, const TSearchMatch& match,
               const std::function<void()>& groupClick) {
    QTreeWidgetItem* node = FindNodeById(tree, match.idGrup);
    if (!node)
        return false;
    SelectNode(tree, node);
    groupClick();
    QTreeWidgetItem* item = FindProductItem(list, match.idProd);
    if (!item)
        return false;
    ShowProductItem(list, item);
    return true;
}

bool ShowSearchMatch(const TSearchMatch& match) {
    TMainWindowFace* main = MainWindow();
    return ShowMatch(main->TVGrup, main->LVProd, match, [main] { main->TVGrupClick(); });
}
