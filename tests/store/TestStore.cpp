// The store: Russian text comparison, the statement dialect, parameters, keys, transactions,
// read scopes, failures in words, opening errors, the product table object, the order of a
// search run and the daily copy.

#include "app/UStartup.h"
#include "base/UErrors.h"
#include "catalog/UProductSearch.h"
#include "platform/UProgramFolder.h"
#include "store/UCollation.h"
#include "store/UDM.h"
#include "store/UDailyCopy.h"
#include "store/USqliteApi.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// A second connection to the file, as another program would hold it.
class TOtherProgram {
public:
    explicit TOtherProgram(const QString& path) {
        sqlite3_open_v2(QFile::encodeName(path).constData(), &FDb, SQLITE_OPEN_READWRITE, nullptr);
        RegisterRussianText(FDb);
    }
    ~TOtherProgram() { sqlite3_close(FDb); }
    int Exec(const char* sql) { return sqlite3_exec(FDb, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* FDb = nullptr;
};

// The rows of a query from its current row on, one text per row.
QStringList Rows(TQuery& q) {
    QStringList rows;
    for (; !q.Eof(); q.Next()) {
        QStringList cells;
        for (int c = 0; c < q.FieldCount(); ++c)
            cells << q.Fields(c).AsString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

QString DatabaseRows(const QString& path) {
    TConnection conn;
    conn.SetConnectionString(QStringLiteral("Data Source=") + path);
    TQuery q(conn, {});
    QStringList all;
    for (const char* table : {"tab_grup", "tab_prod", "tab_mera", "tab_nazv_rac", "tab_racion"}) {
        q.SetSQL(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(QLatin1String(table)));
        q.Open();
        all << Rows(q);
    }
    return all.join(QLatin1Char('\n'));
}

} // namespace

class TestStore : public QObject {
    Q_OBJECT

    static QStringList Column(TQuery& q) {
        QStringList values;
        for (q.Open(); !q.Eof(); q.Next())
            values << q.Fields(0).AsString();
        return values;
    }

private slots:
    void TextComparisonIgnoresCaseInCyrillicAndLatin() {
        TTestStore store;
        for (const char* name : {"яблоко", "Ёжевика", "Апельсин", "банан", "арбуз", "Banana",
                                 "apple", "Ежевика", "ёрш", "Мёд"})
            AddProduct(QString::fromUtf8(name), 1, 0);
        TQuery& q = DM->SQL1;
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod=\"ЯБЛОКО\""));
        QCOMPARE(Column(q), QStringList{QStringLiteral("яблоко")});
        // Case is ignored, but е and ё stay two letters.
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod=\"ЕЖЕВИКА\""));
        QCOMPARE(Column(q), QStringList{QStringLiteral("Ежевика")});
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod=\"Мед\""));
        QCOMPARE(Column(q), QStringList());
        q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_prod WHERE naim_prod<>\"БАНАН\""));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 9);
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod LIKE \"%АН%\""));
        QCOMPARE(Column(q), QStringList{QStringLiteral("банан")});
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod LIKE \"%AN%\""));
        QCOMPARE(Column(q), QStringList{QStringLiteral("Banana")});
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE naim_prod LIKE \"б_н%\""));
        QCOMPARE(Column(q), QStringList{QStringLiteral("банан")});
        // Russian order ignoring case, ё beside е, Cyrillic before Latin.
        q.SetSQL(QStringLiteral("SELECT naim_prod FROM tab_prod ORDER BY naim_prod"));
        const QStringList sorted = Column(q);
        QCOMPARE(sorted.mid(0, 3), (QStringList{QStringLiteral("Апельсин"), QStringLiteral("арбуз"),
                                                QStringLiteral("банан")}));
        QStringList e = sorted.mid(3, 2);
        e.sort();
        QCOMPARE(e, (QStringList{QStringLiteral("Ёжевика"), QStringLiteral("Ежевика")}));
        QCOMPARE(sorted.mid(5), (QStringList{QStringLiteral("ёрш"), QStringLiteral("Мёд"),
                                             QStringLiteral("яблоко"), QStringLiteral("apple"),
                                             QStringLiteral("Banana")}));
        // like() takes "е" and "ё" for one letter.
        q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_prod WHERE naim_prod LIKE \"%ежев%\""));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 2);
    }

    void LikeMatcherHandlesWildcardsAndEscapes() {
        auto like = [](const char* pattern, const char* text, int escape = 0) {
            return TLikeMatcher(pattern, int(strlen(pattern)), escape)
                .Matches(text, int(strlen(text)));
        };
        QVERIFY(like("%", ""));
        QVERIFY(like("%молоко%", "Сухое МОЛОКО цельное"));
        QVERIFY(!like("молоко%", "Сухое молоко"));
        QVERIFY(like("_ыр", "Сыр"));
        QVERIFY(!like("_ыр", "ыр"));
        QVERIFY(like("%2\\%%", "Молоко 2%", '\\'));
        QVERIFY(!like("%2\\%%", "Молоко 2,5", '\\'));
        QVERIFY(like("a\\_b", "a_b", '\\'));
        QVERIFY(!like("a\\_b", "axb", '\\'));
        QVERIFY(like("%a%b%c", "xxaxxbxxc"));
        QVERIFY(!like("%a%b%c", "xxaxxcxxb"));
        // Candidate starts are found in either letter case, and every one of them is tried.
        QVERIFY(like("%сёмга%", "Филе СЁМГА слабосолёная"));
        QVERIFY(like("%аб", "ааАБ"));
        QVERIFY(!like("%аб", "ааАБв"));
        QVERIFY(like("%a_c%", "xAbAxC aBc"));
        QVERIFY(like("%ß%", "STRAẞE"));
        QVERIFY(!like("%я%", "ё"));
        // "е" and "ё" are one letter to like(), in both directions and in upper case.
        QVERIFY(like("%мед%", "Мёд липовый"));
        QVERIFY(like("мёд%", "МЕД"));
        QVERIFY(like("%ЁЖЕ_И%", "пирог с ежевикой"));
        QVERIFY(like("%сeмга%", "сeмга") && !like("%семга%", "сeмга")); // a Latin "e" stays apart
        // Long texts are searched sixteen bytes at a time, the rest byte by byte.
        const char* name = "Картофель традиционный, запечённый №12345";
        QVERIFY(like("%ЗАПЕЧЕН%", name) && like("%№12345", name) && !like("%ананас%", name));
        QVERIFY(like("%ЙН", "xxxxxxxxxxxxxxxxxxxxxxxxйн") && !like("%йн%", "xxxxxxxxxxxxxxxxй"));
    }

    void DoubleQuotedLiteralsAndParameters() {
        TTestStore store;
        TQuery& q = DM->SQL1;
        q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"naim_rac\")"));
        q.ExecSQL();
        q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(:nazv)"));
        q.SetParam(QStringLiteral("NAZV"), QStringLiteral("it's \"quoted\""));
        q.ExecSQL();
        q.SetSQL(QStringLiteral("SELECT naim_rac FROM tab_nazv_rac WHERE naim_rac<>\"\" and "
                                "naim_rac<>\"***\" ORDER BY naim_rac"));
        QCOMPARE(Column(q),
                 (QStringList{QStringLiteral("it's \"quoted\""), QStringLiteral("naim_rac")}));
        // An apostrophe inside a double-quoted literal stays part of the text.
        q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_nazv_rac WHERE naim_rac LIKE \"it's%\""));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 1);
        // A literal equal to a column name is text, not the column.
        q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_nazv_rac WHERE naim_rac=\"naim_rac\""));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 1);
        // Parameters are bound in any letter case; the declared type converts the value.
        q.SetSQL(QStringLiteral("INSERT INTO tab_racion(id_rac,vremy,flag,g,kol_porc) "
                                "VALUES(:id_rac,:Vremy,:FLAG,:g,:kol_porc)"));
        q.SetParam(QStringLiteral("ID_RAC"), 7);
        q.SetParam(QStringLiteral("vremy"), 0.5);
        q.SetParam(QStringLiteral("flag"), true);
        QVERIFY_THROWS_EXCEPTION(EConvertError, q.SetParam(QStringLiteral("g"), 1e30));
        q.SetParam(QStringLiteral("g"), 37.5);
        q.SetParam(QStringLiteral("kol_porc"), 1.5);
        q.ExecSQL();
        q.SetSQL(QStringLiteral("SELECT id_rac,vremy,flag,g,kol_porc,id_porc FROM tab_racion"));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 7);
        QCOMPARE(q.Fields(1).AsDateTime(), 0.5);
        QCOMPARE(q.Fields(2).AsBoolean(), true);
        QCOMPARE(q.Fields(3).AsInteger(), 38);
        QCOMPARE(q.Fields(4).AsFloat(), 1.5);
        QVERIFY(q.Fields(5).IsNull());
        QCOMPARE(q.Fields(5).AsInteger(), 0);
        QCOMPARE(q.Fields(5).AsString(), QString());
        QVERIFY_THROWS_EXCEPTION(EStoreError, q.SetParam(QStringLiteral("absent"), 1));
        q.SetSQL(QStringLiteral("SELECT 1e30,5000000000,2.5"));
        q.Open();
        QVERIFY_THROWS_EXCEPTION(EConvertError, q.Fields(0).AsInteger());
        QVERIFY_THROWS_EXCEPTION(EConvertError, q.Fields(1).AsInteger());
        QCOMPARE(q.Fields(2).AsInteger(), 2);
    }

    void RowsAreReadForwardAndStayOnTheLast() {
        TTestStore store;
        for (int i = 0; i < 3; ++i)
            AddGroup(QStringLiteral("Г%1").arg(i), 0, i);
        TQuery& q = DM->SQLGrup;
        q.SetSQL(QStringLiteral("SELECT naim_grup FROM tab_grup ORDER BY num_tv"));
        q.Open();
        QCOMPARE(q.RecordCount(), 3);
        q.Next();
        q.Next();
        QVERIFY(!q.Eof());
        q.Next();
        QVERIFY(q.Eof());
        QCOMPARE(q.Fields(0).AsString(), QStringLiteral("Г2"));
        q.SetSQL(QStringLiteral("SELECT naim_grup FROM tab_grup WHERE id_grup=0"));
        QVERIFY(!q.Active());
        q.Open();
        QVERIFY(q.Eof());
        QCOMPARE(q.RecordCount(), 0);
    }

    void KeysAreNeverReused() {
        TTestStore store;
        AddProduct(QStringLiteral("А"), 1, 1);
        const int second = AddProduct(QStringLiteral("Б"), 1, 1);
        ExecSql(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=%1").arg(second));
        const int third = AddProduct(QStringLiteral("В"), 1, 1);
        QVERIFY(third > second);
        TQuery& q = DM->SQL1;
        q.SetSQL(QStringLiteral("SELECT max(id_prod) FROM tab_prod"));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), third);
    }

    void FailedStatementRollsTheTransactionBack() {
        TTestStore store;
        TQuery& q = DM->SQL1;
        DM->ADOTrans.BeginTrans();
        q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"first\")"));
        q.ExecSQL();
        q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(no_such_column) VALUES(1)"));
        QVERIFY_THROWS_EXCEPTION(EStoreError, q.ExecSQL());
        QVERIFY(!DM->ADOTrans.InTransaction());
        // A later operation's commit does not carry the failed one's rows.
        DM->ADOTrans.BeginTrans();
        q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"second\")"));
        q.ExecSQL();
        DM->ADOTrans.CommitTrans();
        q.SetSQL(QStringLiteral("SELECT naim_rac FROM tab_nazv_rac"));
        QCOMPARE(Column(q), QStringList{QStringLiteral("second")});
        {
            TTransaction left(DM->ADOTrans);
            q.SetSQL(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"third\")"));
            q.ExecSQL();
        }
        q.SetSQL(QStringLiteral("SELECT count(*) FROM tab_nazv_rac"));
        q.Open();
        QCOMPARE(q.Fields(0).AsInteger(), 1);
    }

    void OpeningErrorsNameThePathAndCreateNothing() {
        {
            TTestStore store(TStoreKind::None);
            const QString path = store.Folder.DatabasePath();
            try {
                DM->SQL1.SetSQL(QStringLiteral("SELECT * FROM tab_grup"));
                DM->SQL1.Open();
                QFAIL("a missing file must not open");
            } catch (const EStoreError& e) {
                QVERIFY(e.Message().contains(path));
                QVERIFY(e.Message().contains(QStringLiteral("не найден")));
            }
            QVERIFY(!QFile::exists(path));
        }
        TTestStore store(TStoreKind::None);
        QFile junk(store.Folder.DatabasePath());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        try {
            DM->SQL1.SetSQL(QStringLiteral("SELECT * FROM tab_grup"));
            DM->SQL1.Open();
            QFAIL("a file that is not a database must not open");
        } catch (const EStoreError& e) {
            QVERIFY(e.Message().contains(QStringLiteral("файл базы данных повреждён\n")));
        }
        QCOMPARE(QFileInfo(store.Folder.DatabasePath()).size(), 4096);
    }

    void FolderWithCyrillicAndBlanks() {
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/Мои документы/Едомер");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::copy(QStringLiteral(EDOMER_BIN_DIR "/KKAL.mdb"), folder + "/KKAL.mdb"));
        OverrideProgramFilePath(folder + QStringLiteral("/edomer"));
        TDM module;
        QCOMPARE(module.ADOTrans.ConnectionString(),
                 QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + folder +
                     QStringLiteral("/KKAL.mdb;Persist Security Info=False"));
        module.SQL1.SetSQL(QStringLiteral("SELECT count(*) FROM tab_prod"));
        module.SQL1.Open();
        QVERIFY(module.SQL1.Fields(0).AsInteger() > 0);
        OverrideProgramFilePath(QString());
    }

    void ReadScopeHoldsOneReadAndNestsInAWrite() {
        TTestStore store;
        TConnection& conn = DM->ADOTrans;
        TOtherProgram other(store.Folder.DatabasePath());
        auto otherCanWrite = [&] {
            return other.Exec("BEGIN EXCLUSIVE") == SQLITE_OK &&
                   other.Exec("ROLLBACK") == SQLITE_OK;
        };
        const QString count = QStringLiteral("SELECT count(*) FROM tab_grup");
        CountSql(count);
        {
            TReadScope read(conn);
            CountSql(count);
            { TReadScope inner(conn); }
            QVERIFY(!otherCanWrite());
        }
        QVERIFY(otherCanWrite());
        // Inside a write it does nothing; a write begun inside it takes its transaction over.
        {
            TTransaction write(conn);
            AddGroup(QStringLiteral("А"), 0, 0);
            { TReadScope read(conn); }
            QVERIFY(conn.InTransaction());
            write.Commit();
        }
        {
            TReadScope read(conn);
            TTransaction write(conn);
            AddGroup(QStringLiteral("Б"), 0, 1);
            write.Commit();
        }
        QVERIFY(otherCanWrite());
        QCOMPARE(CountSql(count), 2);
    }

    void StoreFailuresReadInWords() {
        TTestStore store;
        const QString path = store.Folder.DatabasePath();
        auto failure = [](const QString& sql) {
            try {
                ExecSql(sql);
            } catch (const EStoreError& e) {
                return e.Message();
            }
            return QString();
        };
        const QString insert = QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"x\")");
        ExecSql(QStringLiteral("PRAGMA query_only=1"));
        QCOMPARE(failure(insert), QStringLiteral("Не удалось записать в базу данных «") + path +
                                      QStringLiteral("»: файл доступен только для чтения\n"
                                                     "attempt to write a readonly database"));
        ExecSql(QStringLiteral("PRAGMA query_only=0"));
        ExecSql(QStringLiteral("PRAGMA max_page_count=") +
                ScalarSql(QStringLiteral("PRAGMA page_count")).toString());
        const QString full = failure(
            QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(printf('%.5000c', 'я'))"));
        QVERIFY2(full.startsWith(QStringLiteral("Не удалось записать в базу данных «") + path +
                                 QStringLiteral("»: на диске нет места\n")),
                 qPrintable(full));
        QVERIFY(!full.contains(QStringLiteral("INSERT")));
        // A lock of another program: reading fails in words, and the next statement of the
        // same action does not wait for it once more.
        TOtherProgram other(path);
        QCOMPARE(other.Exec("BEGIN EXCLUSIVE"), SQLITE_OK);
        const QString locked = failure(QStringLiteral("SELECT count(*) FROM tab_grup"));
        QVERIFY2(locked.startsWith(QStringLiteral("Не удалось прочитать базу данных «") + path +
                                   QStringLiteral("»: база данных занята другой программой\n")),
                 qPrintable(locked));
        QVERIFY(failure(insert).contains(QStringLiteral("занята другой программой")));
        other.Exec("ROLLBACK");
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 0);
    }

    // The run's rows come group by group; they are those of the one statement that sorts all
    // matches, in its order: gone groups and groups without a place first, top-level groups by
    // num_tv with equal num_tv merged by name, then subgroups by their parent's id.
    void SearchRunKeepsTheOrderOfTheSortedStatement() {
        TTestStore store;
        std::vector<int> groups;
        for (const int numTv : {2, 0, 1, 1, 0})
            groups.push_back(AddGroup(QStringLiteral("Группа"), 0, numTv));
        for (const int numTv : {1, 0, 1})
            groups.push_back(AddGroup(QStringLiteral("Подгруппа"), groups[2], numTv));
        groups.push_back(AddGroup(QStringLiteral("Подгруппа"), groups[0], 0));
        const int gone = AddGroup(QStringLiteral("Удалённая"), 0, 0);
        groups.push_back(gone);
        const QStringList words = {QStringLiteral("Мёд"),   QStringLiteral("мед"),
                                   QStringLiteral("Сёмга"), QStringLiteral("Молоко"),
                                   QStringLiteral("Ёрш"),   QStringLiteral("ель"),
                                   QStringLiteral("сыр"),   QStringLiteral("Кефир 2%_")};
        unsigned seed = 17;
        {
            TTransaction fill(DM->ADOTrans);
            for (int i = 0; i < 400; ++i) {
                seed = seed * 1103515245u + 12345u;
                const QString name = words.at(int(seed >> 16) % words.size()) +
                                     QStringLiteral(" %1").arg((seed >> 8) % 1000 * 1000 + i);
                AddProduct(name, groups.at(std::size_t(seed >> 20) % groups.size()), i / 4.0);
            }
            fill.Commit();
        }
        ExecSql(QStringLiteral("DELETE FROM tab_grup WHERE id_grup=%1").arg(gone));
        ExecSql(
            QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal) VALUES(\"мёд без группы\",1)"));
        ExecSql(QStringLiteral("INSERT INTO tab_grup(naim_grup) VALUES(\"Без места\")"));
        ExecSql(QStringLiteral("INSERT INTO tab_prod(naim_prod,kkal,id_grup) "
                               "VALUES(\"Мёд без места\",1,last_insert_rowid())"));
        TQuery sorted(DM->ADOTrans, {});
        TQuery& run = DM->SQL1;
        const auto sameRows = [&](const char* text, TSearchKind kind) {
            const QString typed = QString::fromUtf8(text);
            sorted.SetSQL(
                QStringLiteral("SELECT tab_prod.id_prod,tab_prod.id_grup,tab_prod.naim_prod,"
                               "tab_grup.num_tv,tab_grup.id_parent") +
                (kind == TSearchKind::List ? QStringLiteral(",tab_prod.kkal") : QString()) +
                QStringLiteral("   FROM tab_prod LEFT JOIN tab_grup ON "
                               "tab_prod.id_grup=tab_grup.id_grup WHERE naim_prod LIKE :nazv "
                               "ESCAPE '\\' ORDER BY id_parent, tab_grup.num_tv,naim_prod"));
            sorted.SetParam(QStringLiteral("nazv"),
                            SearchPattern(typed, kind == TSearchKind::BeginsWith));
            sorted.Open();
            OpenSearch(run, kind, typed);
            QCOMPARE(Rows(run), Rows(sorted));
            QVERIFY(run.Eof());
        };
        for (const char* text : {"м", "мед", "МЁД", "ё", "", "2%_", "99", "нет такого"})
            for (const TSearchKind kind :
                 {TSearchKind::Contains, TSearchKind::BeginsWith, TSearchKind::List})
                sameRows(text, kind);
        // The rows follow the tree and the names as they are now: changed here, or by another
        // program.
        ExecSql(QStringLiteral("UPDATE tab_grup SET num_tv=9 WHERE id_grup=%1").arg(groups[0]));
        ExecSql(QStringLiteral("UPDATE tab_prod SET naim_prod=\"нет такого\" WHERE id_prod=7"));
        sameRows("м", TSearchKind::Contains);
        sameRows("нет такого", TSearchKind::Contains);
        // Only the rows changed here are read again: one deleted, one added, one moved.
        ExecSql(QStringLiteral("DELETE FROM tab_prod WHERE id_prod=(SELECT min(id_prod) FROM "
                               "tab_prod WHERE naim_prod LIKE 'м%')"));
        AddProduct(QStringLiteral("Мёд новый"), groups[3], 1);
        ExecSql(QStringLiteral("UPDATE tab_prod SET id_grup=%1 WHERE id_prod=(SELECT max(id_prod) "
                               "FROM tab_prod WHERE naim_prod LIKE 'м%' AND id_grup<>%1)")
                    .arg(groups[5]));
        sameRows("м", TSearchKind::Contains);
        const QByteArray move = QStringLiteral("UPDATE tab_grup SET num_tv=-1 WHERE id_grup=%1;"
                                               "INSERT INTO tab_prod(naim_prod,id_grup) "
                                               "VALUES('Ананас',%1)")
                                    .arg(groups[0])
                                    .toUtf8();
        QCOMPARE(TOtherProgram(DM->ADOTrans.DatabasePath()).Exec(move.constData()), SQLITE_OK);
        sameRows("м", TSearchKind::Contains);
        sameRows("ананас", TSearchKind::Contains);
        QCOMPARE(run.RecordCount(), 1);
    }

    // The rows this connection changed are known as long as no change can have gone unreported.
    void TableChangesAreCompleteOnlyWhenAllWereReported() {
        TTestStore store;
        TConnection& conn = DM->ADOTrans;
        QVERIFY(!conn.TakeChanges("tab_prod").complete);
        const int a = AddProduct(QStringLiteral("Сыр"), AddGroup(QStringLiteral("Сыры"), 0, 0), 1);
        ExecSql(QStringLiteral("UPDATE tab_prod SET kkal=2 WHERE id_prod=%1").arg(a));
        const TTableChanges changes = conn.TakeChanges("tab_prod");
        QVERIFY(changes.complete);
        QCOMPARE(changes.rows, (std::vector<qint64>{a, a}));
        QVERIFY(conn.TakeChanges("tab_prod").rows.empty());
        ExecSql(QStringLiteral("DELETE FROM tab_prod")); // all rows at once go unreported
        QVERIFY(!conn.TakeChanges("tab_prod").complete);
        QCOMPARE(TOtherProgram(conn.DatabasePath()).Exec("INSERT INTO tab_prod(kkal) VALUES(1)"),
                 SQLITE_OK);
        QVERIFY(!conn.TakeChanges("tab_prod").complete);
        QVERIFY(conn.TakeChanges("tab_prod").complete);
    }

    void DailyCopyOncePerDayKeepsTheNewest() {
        TTestStore store(TStoreKind::Starter);
        const QString path = store.Folder.DatabasePath();
        ExecSql(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"Понедельник\")"));
        const QDir archive(store.Folder.Folder() + kArchiveFolder);
        const QDate first(2026, 3, 1);
        QVERIFY(WriteDailyCopy(path, first));
        const QString copy = archive.filePath(QStringLiteral("KKAL-2026-03-01.mdb"));
        const QString rows = DatabaseRows(path);
        QCOMPARE(DatabaseRows(copy), rows);
        ExecSql(QStringLiteral("DELETE FROM tab_prod"));
        QVERIFY(!WriteDailyCopy(path, first));
        QCOMPARE(DatabaseRows(copy), rows);
        QFile other(archive.filePath(QStringLiteral("KKAL-заметки.mdb")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();
        for (int day = 1; day < kKeptCopies; ++day)
            QVERIFY(WriteDailyCopy(path, first.addDays(day)));
        QVERIFY(QFile::exists(copy));
        QVERIFY(WriteDailyCopy(path, first.addDays(kKeptCopies)));
        QVERIFY(!QFile::exists(copy));
        const QStringList left = archive.entryList(QDir::Files, QDir::Name);
        QCOMPARE(left.size(), kKeptCopies + 1);
        QCOMPARE(left.first(), QStringLiteral("KKAL-2026-03-02.mdb"));
        QCOMPARE(left.last(), QStringLiteral("KKAL-заметки.mdb"));
    }

    void DailyCopyThatCannotBeWrittenLeavesTheStartAlone() {
        // A file where the folder would be: nothing can be written there.
        TTestFolder folder(TStoreKind::Starter);
        QFile blocker(folder.Folder() + kArchiveFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TScriptedSeams seams;
        {
            TApplicationForms forms(false);
            QCOMPARE(seams.Errors(), QStringList());
            QVERIFY(CountSql(QStringLiteral("SELECT count(*) FROM tab_grup")) > 0);
        }
        QVERIFY(QFileInfo(blocker.fileName()).isFile());
        // In setup mode the distribution folder gets no copy.
        QVERIFY(blocker.remove());
        { TApplicationForms setup(true); }
        QVERIFY(!QFileInfo::exists(folder.Folder() + kArchiveFolder));
    }

    void TableProdPostsExactlyItsRow() {
        TTestStore store;
        const int a = AddProduct(QStringLiteral("Один"), 5, 10, 1, 1, 1);
        const int b = AddProduct(QStringLiteral("Один"), 5, 10, 1, 1, 1);
        TTableProd& t = DM->TableProd;
        t.Open();
        QVERIFY(t.Locate(b));
        t.Edit();
        t.SetFieldValue(QStringLiteral("naim_prod"), QStringLiteral("Два"));
        t.SetFieldValue(QStringLiteral("bel"), QVariant());
        t.Post();
        QCOMPARE(ScalarSql(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=%1").arg(a))
                     .toString(),
                 QStringLiteral("Один"));
        QCOMPARE(ScalarSql(QStringLiteral("SELECT naim_prod FROM tab_prod WHERE id_prod=%1").arg(b))
                     .toString(),
                 QStringLiteral("Два"));
        QVERIFY(
            ScalarSql(QStringLiteral("SELECT bel FROM tab_prod WHERE id_prod=%1").arg(b)).isNull());
        t.Append();
        t.SetFieldValue(QStringLiteral("naim_prod"), QStringLiteral("Три"));
        t.SetFieldValue(QStringLiteral("id_grup"), 5);
        t.Post();
        const int c = t.FieldValue(QStringLiteral("id_prod")).toInt();
        QVERIFY(c > b);
        t.Append();
        t.SetFieldValue(QStringLiteral("naim_prod"), QStringLiteral("Отменённый"));
        t.Cancel();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 3);
        // Moving to another row stores a pending edit first.
        QVERIFY(t.Locate(a));
        t.SetFieldValue(QStringLiteral("kkal"), 42.5);
        t.Last();
        QCOMPARE(t.FieldValue(QStringLiteral("id_prod")).toInt(), c);
        QCOMPARE(ScalarSql(QStringLiteral("SELECT kkal FROM tab_prod WHERE id_prod=%1").arg(a))
                     .toDouble(),
                 42.5);
        t.Close();
    }
};

EDOMER_TEST(TestStore)
#include "TestStore.moc"
