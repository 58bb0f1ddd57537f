// Writes a ready "KKAL.mdb": the schema, then the catalog of data/catalog.csv.
//
// Each line of the catalog: group;subgroup;name;ndb;kkal;bel;zir;ugl;measures
// (subgroup empty for a product listed under its group; measures "name=grams|name=grams").
// Groups and subgroups are numbered in the order they first appear. Every product gets the
// measure "100г" first, then its household measures with energy = grams × kkal / 100.

#include "app/UErrors.h"
#include "store/UConnection.h"
#include "store/UQuery.h"
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

class TCatalogWriter {
public:
    explicit TCatalogWriter(TConnection& conn) : FConn(conn), FQuery(conn, {}) {}

    int Group(const QString& name, int parent) {
        const QString key = QString::number(parent) + QLatin1Char('/') + name;
        if (FGroups.contains(key))
            return FGroups.value(key);
        int& count = FChildren[parent];
        FQuery.SetSQL(QStringLiteral(
            "INSERT INTO tab_grup(naim_grup,num_tv,id_parent) VALUES(:naim,:num,:parent)"));
        FQuery.SetParam(QStringLiteral("naim"), name);
        FQuery.SetParam(QStringLiteral("num"), count++);
        FQuery.SetParam(QStringLiteral("parent"), parent);
        FQuery.ExecSQL();
        const int id = LastId();
        FGroups.insert(key, id);
        return id;
    }

    int Product(const QString& name, int group, double kkal, double bel, double zir, double ugl) {
        FQuery.SetSQL(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,bel,zir,ugl,id_grup) "
                                     "VALUES(:naim,:kkal,:bel,:zir,:ugl,:grup)"));
        FQuery.SetParam(QStringLiteral("naim"), name);
        FQuery.SetParam(QStringLiteral("kkal"), kkal);
        FQuery.SetParam(QStringLiteral("bel"), bel);
        FQuery.SetParam(QStringLiteral("zir"), zir);
        FQuery.SetParam(QStringLiteral("ugl"), ugl);
        FQuery.SetParam(QStringLiteral("grup"), group);
        FQuery.ExecSQL();
        return LastId();
    }

    void Measure(int product, const QString& name, int grams, double kkal) {
        FQuery.SetSQL(QStringLiteral("INSERT INTO tab_mera(id_prod,naim_mera,g_mera,kkal_mera) "
                                     "VALUES(:prod,:naim,:g,:kkal)"));
        FQuery.SetParam(QStringLiteral("prod"), product);
        FQuery.SetParam(QStringLiteral("naim"), name);
        FQuery.SetParam(QStringLiteral("g"), grams);
        FQuery.SetParam(QStringLiteral("kkal"), kkal);
        FQuery.ExecSQL();
    }

private:
    int LastId() {
        TQuery key(FConn, {});
        key.SetSQL(QStringLiteral("SELECT last_insert_rowid()"));
        key.Open();
        return key.Fields(0).AsInteger();
    }

    TConnection& FConn;
    TQuery FQuery;
    QMap<QString, int> FGroups;
    QMap<int, int> FChildren;
};

void WriteCatalog(const QString& catalogPath, TConnection& conn) {
    QFile file(catalogPath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw TCatalogError{QStringLiteral("cannot read %1").arg(catalogPath)};
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    TCatalogWriter writer(conn);
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
        const int group = writer.Group(f[0].trimmed(), 0);
        const int owner = f[1].trimmed().isEmpty() ? group : writer.Group(f[1].trimmed(), group);
        const double kkal = Number(f[4], lineNo);
        const int product = writer.Product(f[2].trimmed(), owner, kkal, Number(f[5], lineNo),
                                           Number(f[6], lineNo), Number(f[7], lineNo));
        writer.Measure(product, QStringLiteral("100г"), 100, kkal);
        const QStringList measures = f[8].split(QLatin1Char('|'), Qt::SkipEmptyParts);
        for (const QString& m : measures) {
            const int eq = int(m.lastIndexOf(QLatin1Char('=')));
            if (eq <= 0)
                throw TCatalogError{QStringLiteral("line %1: measure «%2»").arg(lineNo).arg(m)};
            const int grams = int(Number(m.mid(eq + 1), lineNo));
            writer.Measure(product, m.left(eq).trimmed(), grams, grams * kkal / 100);
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
