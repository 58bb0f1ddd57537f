#include "catalog/UProductSearch.h"

#include "catalog/UGroupTree.h"
#include "catalog/UProductList.h"
#include "store/UConnection.h"
#include "store/UQuery.h"
#include "ui/UMainWindowFace.h"

#include <QStringList>
#include <memory>

namespace {

// The run's order is the group's id_parent, then its num_tv (a missing group first), then the
// name. The groups of one place in that order form a bucket whose matches are read together,
// from the index on (id_grup, naim_prod) when the bucket is one group: so the first match
// costs what its bucket costs, not a sort of every match. Equal names follow by id_prod.
struct TBucket {
    QVariant idParent;
    QVariant numTv;
    std::vector<qint64> groups;
    bool orphans = false; // also the products whose group is gone
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

std::vector<TBucket> Buckets(TConnection& conn) {
    TQuery q(conn, {});
    // The group keys used by products but missing from tab_grup, one index seek each.
    q.SetSQL(QStringLiteral(
        "WITH RECURSIVE used(id) AS (SELECT min(id_grup) FROM tab_prod UNION ALL "
        "SELECT (SELECT min(id_grup) FROM tab_prod WHERE id_grup>used.id) FROM used "
        "WHERE used.id IS NOT NULL) "
        "SELECT id FROM used WHERE id IS NOT NULL AND id NOT IN (SELECT id_grup FROM tab_grup)"));
    TBucket gone;
    gone.orphans = true;
    for (q.Open(); !q.Eof(); q.Next())
        gone.groups.push_back(q.Fields(0).Value().toLongLong());
    std::vector<TBucket> buckets{gone};
    q.SetSQL(QStringLiteral("SELECT id_grup,id_parent,num_tv FROM tab_grup "
                            "ORDER BY id_parent,num_tv"));
    for (q.Open(); !q.Eof(); q.Next()) {
        const QVariant parent = q.Fields(1).Value();
        const QVariant numTv = q.Fields(2).Value();
        TBucket& last = buckets.back();
        if (!SameKey(parent, last.idParent) || !SameKey(numTv, last.numTv))
            buckets.push_back({parent, numTv, {}, false});
        buckets.back().groups.push_back(q.Fields(0).Value().toLongLong());
    }
    return buckets;
}

// Appends the matches of one bucket to the run.
void AppendBucket(TQuery& run, const TBucket& bucket, const QString& pattern, bool withKkal) {
    std::string where;
    std::vector<QVariant> values{bucket.numTv, bucket.idParent, pattern};
    if (bucket.orphans) {
        where = bucket.groups.empty() ? "id_grup IS NULL"
                                      : "(id_grup IS NULL OR id_grup IN (" +
                                            IdList(bucket.groups).toStdString() + "))";
    } else if (bucket.groups.size() == 1) {
        where = "id_grup=?4";
        values.push_back(bucket.groups.front());
    } else {
        where = "id_grup IN (" + IdList(bucket.groups).toStdString() + ")";
    }
    run.AppendRows(std::string("SELECT id_prod,id_grup,naim_prod,?1,?2") +
                       (withKkal ? ",kkal" : "") + " FROM tab_prod WHERE " + where +
                       " AND naim_prod LIKE ?3 ESCAPE '\\' ORDER BY naim_prod,id_prod",
                   values);
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
        std::vector<TBucket> buckets;
        std::size_t next = 0;
    };
    TConnection& conn = q.Connection();
    TReadScope scope(conn);
    auto walk = std::make_shared<TWalk>();
    walk->buckets = Buckets(conn);
    const QString pattern = SearchPattern(text, kind == TSearchKind::BeginsWith);
    const bool withKkal = kind == TSearchKind::List;
    // Each call reads buckets until one has matches, in one read of the store.
    q.OpenInPieces([walk, pattern, withKkal](TQuery& run) {
        TReadScope piece(run.Connection());
        const int had = run.RecordCount();
        while (walk->next < walk->buckets.size() && run.RecordCount() == had)
            AppendBucket(run, walk->buckets[walk->next++], pattern, withKkal);
        return walk->next < walk->buckets.size();
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
