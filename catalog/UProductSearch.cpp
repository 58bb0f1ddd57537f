#include "catalog/UProductSearch.h"

#include "catalog/UGroupTree.h"
#include "catalog/UProductList.h"
#include "store/UCollation.h"
#include "store/UConnection.h"
#include "store/UProductNames.h"
#include "store/UQuery.h"
#include "ui/UMainWindowFace.h"

#include <QStringList>
#include <array>
#include <memory>
#include <set>
#include <unordered_map>
#include <utility>

namespace {

// The run's order is the group's id_parent, then its num_tv (a missing group first), then the
// name. The groups of one place in that order form a bucket. The names of each bucket are
// matched in memory, so that only buckets with matches are read from the store, and the first
// match costs what the buckets before it cost in memory and its own bucket in the store; a
// bucket of one group is read from the index on (id_grup, naim_prod), in order. Equal names
// follow by id_prod.
struct TBucket {
    QVariant idParent;
    QVariant numTv;
    std::vector<qint64> groups;
};

// The buckets and the names as the store held them; the names of bucket b are
// names[order[k]] for k from start[b] to start[b + 1].
struct TSearchIndex {
    std::vector<TBucket> buckets;
    TProductNames names;
    std::vector<std::uint32_t> order;
    std::vector<std::uint32_t> start;

    bool HasMatch(std::size_t bucket, const TLikeMatcher& matcher) const {
        for (std::uint32_t k = start[bucket]; k < start[bucket + 1]; ++k) {
            const TProductName& name = names.names[order[k]];
            if (matcher.Matches(names.text.data() + name.begin, int(name.size)))
                return true;
        }
        return false;
    }
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

// The buckets in the run's order, and the bucket of each group. The first bucket holds the
// groups without a place (and, once the names are read, the products whose group is gone).
std::vector<TBucket> ReadBuckets(TConnection& conn,
                                 std::unordered_map<qint64, std::uint32_t>& bucketOfGroup) {
    std::vector<TBucket> buckets(1);
    TQuery q(conn, {});
    q.SetSQL(QStringLiteral("SELECT id_grup,id_parent,num_tv FROM tab_grup "
                            "ORDER BY id_parent,num_tv"));
    for (q.Open(); !q.Eof(); q.Next()) {
        const QVariant parent = q.Fields(1).Value();
        const QVariant numTv = q.Fields(2).Value();
        const TBucket& last = buckets.back();
        if (!SameKey(parent, last.idParent) || !SameKey(numTv, last.numTv))
            buckets.push_back({parent, numTv, {}});
        const qint64 group = q.Fields(0).Value().toLongLong();
        buckets.back().groups.push_back(group);
        bucketOfGroup[group] = std::uint32_t(buckets.size() - 1);
    }
    return buckets;
}

TSearchIndex IndexOf(TConnection& conn, TProductNames names) {
    TSearchIndex index;
    std::unordered_map<qint64, std::uint32_t> bucketOfGroup;
    index.buckets = ReadBuckets(conn, bucketOfGroup);
    index.names = std::move(names);
    std::set<qint64> gone;
    std::vector<std::uint32_t> bucketOfName;
    bucketOfName.reserve(index.names.names.size());
    index.start.assign(index.buckets.size() + 1, 0);
    const TProductName* last = nullptr;
    std::uint32_t bucket = 0;
    for (const TProductName& name : index.names.names) {
        // The names come mostly by group: the bucket is looked up once per run of a group.
        if (!last || name.hasGroup != last->hasGroup || name.group != last->group) {
            const auto it = name.hasGroup ? bucketOfGroup.find(name.group) : bucketOfGroup.end();
            if (it == bucketOfGroup.end() && name.hasGroup)
                gone.insert(name.group);
            bucket = it == bucketOfGroup.end() ? 0 : it->second;
            last = &name;
        }
        bucketOfName.push_back(bucket);
        ++index.start[bucket + 1];
    }
    std::vector<qint64>& first = index.buckets.front().groups;
    first.insert(first.end(), gone.begin(), gone.end());
    // The names ordered by bucket, keeping their order within one.
    for (std::size_t b = 1; b < index.start.size(); ++b)
        index.start[b] += index.start[b - 1];
    std::vector<std::uint32_t> filled(index.start.begin(), index.start.end() - 1);
    index.order.resize(bucketOfName.size());
    for (std::uint32_t i = 0; i < bucketOfName.size(); ++i)
        index.order[filled[bucketOfName[i]]++] = i;
    return index;
}

// The index is made again only when the store has changed since the last search; the names
// are then read again only where this connection changed them, if it knows all its changes.
std::shared_ptr<const TSearchIndex> CachedIndex(TConnection& conn) {
    static std::array<qint64, 3> stamp{};
    static std::shared_ptr<const TSearchIndex> index;
    const std::array<qint64, 3> now = conn.ChangeStamp();
    if (!index || now != stamp) {
        // A rebuild that fails leaves no index: the changes it took are not lost to the next.
        const std::shared_ptr<const TSearchIndex> before = std::move(index);
        const TTableChanges changes = conn.TakeChanges("tab_prod");
        TProductNames names = before && stamp[0] == now[0]
                                  ? UpdatedProductNames(conn, before->names, changes)
                                  : ReadProductNames(conn);
        index = std::make_shared<const TSearchIndex>(IndexOf(conn, std::move(names)));
        stamp = now;
    }
    return index;
}

// Appends the matches of one bucket to the run.
void AppendBucket(TQuery& run, const std::vector<TBucket>& buckets, std::size_t at,
                  const QString& pattern, bool withKkal) {
    const std::string kkal = withKkal ? ",tab_prod.kkal" : "";
    const TBucket& bucket = buckets[at];
    if (at > 0 && bucket.groups.size() == 1) {
        run.AppendRows("SELECT id_prod,id_grup,naim_prod,?1,?2" + kkal +
                           " FROM tab_prod WHERE id_grup=?3 AND naim_prod LIKE ?4 ESCAPE '\\' "
                           "ORDER BY naim_prod,id_prod",
                       {bucket.numTv, bucket.idParent, bucket.groups.front(), pattern});
        return;
    }
    // Each part of the condition seeks in the index; an empty IN list would scan the table.
    std::string where = "tab_prod.id_grup IN (" + IdList(bucket.groups).toStdString() + ")";
    if (at == 0)
        where = bucket.groups.empty() ? "tab_prod.id_grup IS NULL"
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
        std::shared_ptr<const TSearchIndex> index;
        QString pattern;
        std::unique_ptr<TLikeMatcher> matcher;
        std::size_t next = 0;
    };
    TConnection& conn = q.Connection();
    TReadScope scope(conn);
    auto walk = std::make_shared<TWalk>();
    walk->index = CachedIndex(conn);
    walk->pattern = SearchPattern(text, kind == TSearchKind::BeginsWith);
    const QByteArray utf8 = walk->pattern.toUtf8();
    walk->matcher = std::make_unique<TLikeMatcher>(utf8.constData(), int(utf8.size()), '\\');
    const bool withKkal = kind == TSearchKind::List;
    // Each call reads the buckets with matches until one gives rows, in one read of the store.
    q.OpenInPieces([walk, withKkal](TQuery& run) {
        TReadScope piece(run.Connection());
        const int had = run.RecordCount();
        const TSearchIndex& index = *walk->index;
        for (; walk->next < index.buckets.size() && run.RecordCount() == had; ++walk->next)
            if (index.HasMatch(walk->next, *walk->matcher))
                AppendBucket(run, index.buckets, walk->next, walk->pattern, withKkal);
        return walk->next < index.buckets.size();
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
