// The store: Russian text comparison, the statement dialect, parameters, keys, transactions,
// opening errors and the product table object.

#include "base/UErrors.h"
#include "platform/UProgramFolder.h"
#include "store/UCollation.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

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
    }

    void LikeMatcherHandlesWildcardsAndEscapes() {
        auto like = [](const char* pattern, const char* text, int escape = 0) {
            return LikeMatch(pattern, int(strlen(pattern)), text, int(strlen(text)), escape);
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
            QVERIFY(e.Message().contains(QStringLiteral("не является базой данных")));
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
