#include "catalog/UProductSearch.h"

#include "catalog/UGroupTree.h"
#include "catalog/UProductList.h"
#include "store/UConnection.h"
#include "store/UQuery.h"
#include "ui/UMainWindowFace.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <memory>

namespace {

// The run's order is the group's id_parent, then its num_tv (a missing group first), then the
// name. The groups of one place in that order form a bucket. A bucket of one group is read
// from the index on (id_grup, naim_prod), in order; so the first match costs what its group
// costs, not a sort of every match. Buckets without matches are passed over in growing
// stretches, each read and sorted by one statement. Equal names follow by id_prod.
struct TBucket {
    QVariant idParent;
    QVariant numTv;
    std::vector<qint64> groups;
};

bool SameKey(const QVariant& a, const QVariant& b) {
    return a.isNull() || b.isNull() ? a.isNull() && b.isNull() : a == b;
}

QString IdList(const std::vector<qint64>& ids) {
    QStringList texts;
    for (const qint64 id : ids)
        texts << QString::number(id);
    return texts.join(QLatin1Char(','));
}

// The first bucket holds the products whose group is gone (and the groups without a place).
std::vector<TBucket> Buckets(TConnection& conn) {
    TQuery q(conn, {});
    // The group keys used by products but missing from tab_grup, one index seek each.
    q.SetSQL(QStringLiteral(
        "WITH RECURSIVE used(id) AS (SELECT min(id_grup) FROM tab_prod UNION ALL "
        "SELECT (SELECT min(id_grup) FROM tab_prod WHERE id_grup>used.id) FROM used "
        "WHERE used.id IS NOT NULL) "
        "SELECT id FROM used WHERE id IS NOT NULL AND id NOT IN (SELECT id_grup FROM tab_grup)"));
    std::vector<TBucket> buckets(1);
    for (q.Open(); !q.Eof(); q.Next())
        buckets.front().groups.push_back(q.Fields(0).Value().toLongLong());
    q.SetSQL(QStringLiteral("SELECT id_grup,id_parent,num_tv FROM tab_grup "
                            "ORDER BY id_parent,num_tv"));
    for (q.Open(); !q.Eof(); q.Next()) {
        const QVariant parent = q.Fields(1).Value();
        const QVariant numTv = q.Fields(2).Value();
        const TBucket& last = buckets.back();
        if (!SameKey(parent, last.idParent) || !SameKey(numTv, last.numTv))
            buckets.push_back({parent, numTv, {}});
        buckets.back().groups.push_back(q.Fields(0).Value().toLongLong());
    }
    return buckets;
}

// The buckets are read again only when the store has changed since the last search.
std::shared_ptr<const std::vector<TBucket>> CachedBuckets(TConnection& conn) {
    static std::array<qint64, 3> stamp{};
    static std::shared_ptr<const std::vector<TBucket>> buckets;
    const std::array<qint64, 3> now = conn.ChangeStamp();
    if (!buckets || now != stamp) {
        buckets = std::make_shared<const std::vector<TBucket>>(Buckets(conn));
        stamp = now;
    }
    return buckets;
}

std::vector<qint64> GroupsOf(const std::vector<TBucket>& buckets, std::size_t from,
                             std::size_t to) {
    std::vector<qint64> ids;
    for (std::size_t i = from; i < to; ++i)
        ids.insert(ids.end(), buckets[i].groups.begin(), buckets[i].groups.end());
    return ids;
}

// Appends the matches of the buckets [from, to) to the run.
void AppendBuckets(TQuery& run, const std::vector<TBucket>& buckets, std::size_t from,
                   std::size_t to, const QString& pattern, bool withKkal) {
    const std::string kkal = withKkal ? ",tab_prod.kkal" : "";
    const TBucket& first = buckets[from];
    if (to == from + 1 && from > 0 && first.groups.size() == 1) {
        run.AppendRows("SELECT id_prod,id_grup,naim_prod,?1,?2" + kkal +
                           " FROM tab_prod WHERE id_grup=?3 AND naim_prod LIKE ?4 ESCAPE '\\' "
                           "ORDER BY naim_prod,id_prod",
                       {first.numTv, first.idParent, first.groups.front(), pattern});
        return;
    }
    // Each part of the condition seeks in the index; an empty IN list would scan the table.
    const std::vector<qint64> groups = GroupsOf(buckets, from, to);
    std::string where = "tab_prod.id_grup IN (" + IdList(groups).toStdString() + ")";
    if (from == 0)
        where = groups.empty() ? "tab_prod.id_grup IS NULL"
                               : "(tab_prod.id_grup IS NULL OR " + where + ")";
    run.AppendRows("SELECT tab_prod.id_prod,tab_prod.id_grup,tab_prod.naim_prod,tab_grup.num_tv,"
                   "tab_grup.id_parent" +
                       kkal +
                       " FROM tab_prod LEFT JOIN tab_grup ON tab_prod.id_grup=tab_grup.id_grup "
                       "WHERE " +
                       where +
                       " AND naim_prod LIKE ?1 ESCAPE '\\' ORDER BY tab_grup.id_parent,"
                       "tab_grup.num_tv,naim_prod,tab_prod.id_prod",
                   {pattern});
}

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
    struct TWalk {
        std::shared_ptr<const std::vector<TBucket>> buckets;
        std::size_t next = 0;
        std::size_t stretch = 1;
    };
    TConnection& conn = q.Connection();
    TReadScope scope(conn);
    auto walk = std::make_shared<TWalk>();
    walk->buckets = CachedBuckets(conn);
    const QString pattern = SearchPattern(text, kind == TSearchKind::BeginsWith);
    const bool withKkal = kind == TSearchKind::List;
    // Each call reads buckets until some have matches, in one read of the store. After a
    // stretch without matches the next is twice as long; the gone groups' bucket comes alone.
    q.OpenInPieces([walk, pattern, withKkal](TQuery& run) {
        TReadScope piece(run.Connection());
        const int had = run.RecordCount();
        const std::size_t count = walk->buckets->size();
        while (walk->next < count && run.RecordCount() == had) {
            const std::size_t from = walk->next;
            walk->next = std::min(count, from + walk->stretch);
            AppendBuckets(run, *walk->buckets, from, walk->next, pattern, withKkal);
            const bool found = run.RecordCount() > had;
            walk->stretch = found || from == 0 ? 1 : walk->stretch * 2;
        }
        return walk->next < count;
    });
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
