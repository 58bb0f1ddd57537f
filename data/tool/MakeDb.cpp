// Writes a ready "KKAL.mdb": the schema, then the catalog of data/catalog.csv.
//
// Each line of the catalog: group;subgroup;name;ndb;kkal;bel;zir;ugl;measures
// (subgroup empty for a product listed under its group; measures "name=grams|name=grams").
// Groups and subgroups are numbered in the order they first appear. Every product gets the
// measure "100г" first, then its household measures with energy = grams × kkal / 100.

#include "base/UErrors.h"
#include "store/UCatalogRows.h"
#include "store/UConnection.h"
#include "store/UStoreFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTextStream>
#include <cstdio>

namespace {

struct TCatalogError {
    QString message;
};

double Number(const QString& text, int line) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw TCatalogError{QStringLiteral("line %1: «%2» is not a number").arg(line).arg(text)};
    return value;
}

// Groups and subgroups are made on first mention and numbered in that order among siblings.
class TGroupNumbering {
public:
    explicit TGroupNumbering(TConnection& conn) : FConn(conn) {}

    int Group(const QString& name, int parent) {
        const QString key = QString::number(parent) + QLatin1Char('/') + name;
        if (!FGroups.contains(key))
            FGroups.insert(key, InsertGroup(FConn, name, parent, FChildren[parent]++));
        return FGroups.value(key);
    }

private:
    TConnection& FConn;
    QMap<QString, int> FGroups;
    QMap<int, int> FChildren;
};

void WriteCatalog(const QString& catalogPath, TConnection& conn) {
    QFile file(catalogPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw TCatalogError{QStringLiteral("cannot read %1").arg(catalogPath)};
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    TGroupNumbering groups(conn);
    int lineNo = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        ++lineNo;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) ||
            line.startsWith(QLatin1String("group;")))
            continue;
        const QStringList f = line.split(QLatin1Char(';'));
        if (f.size() != 9)
            throw TCatalogError{QStringLiteral("line %1: 9 fields expected").arg(lineNo)};
        const int group = groups.Group(f[0].trimmed(), 0);
        const int owner = f[1].trimmed().isEmpty() ? group : groups.Group(f[1].trimmed(), group);
        const double kkal = Number(f[4], lineNo);
        const int product = InsertProduct(conn, f[2].trimmed(), owner, kkal, Number(f[5], lineNo),
                                          Number(f[6], lineNo), Number(f[7], lineNo));
        InsertMeasure(conn, product, QStringLiteral("100г"), 100, kkal);
        const QStringList measures = f[8].split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString& m : measures) {
            const int eq = int(m.lastIndexOf(QLatin1Char('=')));
            if (eq <= 0)
                throw TCatalogError{QStringLiteral("line %1: measure «%2»").arg(lineNo).arg(m)};
            const int grams = int(Number(m.mid(eq + 1), lineNo));
            InsertMeasure(conn, product, m.left(eq).trimmed(), grams, grams * kkal / 100);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: edomer_mkdb CATALOG.csv KKAL.mdb\n");
        return 2;
    }
    const QString catalog = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[2]);
    try {
        CreateStoreFile(target);
        TConnection conn;
        conn.SetConnectionString(QStringLiteral("Data Source=") + target);
        TTransaction transaction(conn);
        WriteCatalog(catalog, conn);
        transaction.Commit();
    } catch (const EAppError& error) {
        std::fprintf(stderr, "edomer_mkdb: %s\n", error.what());
        QFile::remove(target);
        return 1;
    } catch (const TCatalogError& error) {
        std::fprintf(stderr, "edomer_mkdb: %s: %s\n", argv[1], error.message.toUtf8().constData());
        QFile::remove(target);
        return 1;
    }
    return 0;
}
