// The group tree: loading in num_tv order, the click that repaints the product list, the two
// move buttons with the rows they write, and the product dialog's group choice.

#include "catalog/UGroupStore.h"
#include "catalog/UNewProd.h"
#include "tests/catalog/TestGrupTools.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/USkin.h"

#include <QComboBox>

class TestGrup : public QObject {
    Q_OBJECT

private slots:
    void LoadFollowsNumTvCollapsedWithTheFirstGroupShown() {
        TTestApp app;
        QVERIFY(TreeTexts().isEmpty());
        QCOMPARE(fMain->LVProd->Count(), 0);
        fMain->ButVerh->click();
        fMain->ButVniz->click();
        QVERIFY(GroupRows().isEmpty());

        const int milk = AddGroup(QStringLiteral("Молочные"), 0, 5);
        const int bread = AddGroup(QStringLiteral("Хлеб"), 0, 1);
        const int cheese = AddGroup(QStringLiteral("Сыры"), milk, 1);
        AddGroup(QStringLiteral("Кефир"), milk, 0);
        AddGroup(QStringLiteral("Творог"), milk, 1);
        AddProduct(QStringLiteral("Батон"), bread, 264);
        AddProduct(QStringLiteral("Российский"), cheese, 363);
        // An index under which the store gives equal num_tv newest first: equal num_tv still
        // follow by id_grup (Сыры was stored before Творог), and the groups offered to a
        // subgroup come in the tree's order.
        ExecSql(QStringLiteral("CREATE INDEX ix_newest ON tab_grup (id_parent, num_tv DESC)"));
        fMain->APaintTVGrup();
        QCOMPARE(TopLevelGroups().front().name, QStringLiteral("Хлеб"));
        QCOMPARE(TreeTexts(),
                 (QStringList{QStringLiteral("Хлеб"), QStringLiteral("Молочные"),
                              QStringLiteral("Молочные/Кефир"), QStringLiteral("Молочные/Сыры"),
                              QStringLiteral("Молочные/Творог")}));
        QVERIFY(!Node(QStringLiteral("Молочные"))->isExpanded());
        QCOMPARE(NodeId(Node(QStringLiteral("Сыры"))), cheese);
        QCOMPARE(SelectedGroup(), QStringLiteral("Хлеб"));
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Батон")});

        // A group's list holds its own products only, not those of its subgroups.
        fMain->show();
        ClickNode(QStringLiteral("Молочные"));
        QVERIFY(ProductTexts().isEmpty());
        ClickNode(QStringLiteral("Сыры"));
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Российский")});

        // Moving the selection with the keys alone leaves the list as it was.
        fMain->TVGrup->setFocus();
        SendKey(fMain->TVGrup, Qt::Key_Up);
        QCOMPARE(SelectedGroup(), QStringLiteral("Кефир"));
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Российский")});
        fMain->TVGrupClick();
        QVERIFY(ProductTexts().isEmpty());
    }

    void MovingUpWritesPositionsOfTheTwoRowsOnly() {
        TTestApp app;
        AddGroup(QStringLiteral("A"), 0, 0);
        AddGroup(QStringLiteral("B"), 0, 10);
        AddGroup(QStringLiteral("C"), 0, 11);
        const int d = AddGroup(QStringLiteral("D"), 0, 12);
        AddGroup(QStringLiteral("D1"), d, 7);
        AddGroup(QStringLiteral("D2"), d, 9);
        fMain->APaintTVGrup();

        // The first group does not move, nor does the first subgroup of a group.
        const QStringList stored = GroupRows();
        fMain->ButVerh->click();
        SelectNode(fMain->TVGrup, Node(QStringLiteral("D1")));
        fMain->ButVerh->click();
        QCOMPARE(GroupRows(), stored);

        SelectNode(fMain->TVGrup, Node(QStringLiteral("D")));
        fMain->ButVerh->click();
        QCOMPARE(GroupRows(), (QStringList{QStringLiteral("A 0"), QStringLiteral("B 10"),
                                           QStringLiteral("C 3"), QStringLiteral("D 2"),
                                           QStringLiteral("D1 7 D"), QStringLiteral("D2 9 D")}));
        QCOMPARE(SelectedGroup(), QStringLiteral("D"));
        QCOMPARE(TreeTexts().mid(0, 5),
                 (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D"),
                              QStringLiteral("D/D1"), QStringLiteral("D/D2")}));
        fMain->APaintTVGrup();
        QCOMPARE(TreeTexts(),
                 (QStringList{QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("D/D1"),
                              QStringLiteral("D/D2"), QStringLiteral("C"), QStringLiteral("B")}));

        // A subgroup takes its predecessor's place; both get their 0-based positions.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("D2")));
        fMain->ButVerh->click();
        QCOMPARE(GroupRows().mid(4),
                 (QStringList{QStringLiteral("D1 1 D"), QStringLiteral("D2 0 D")}));
        QCOMPARE(SelectedGroup(), QStringLiteral("D2"));
        QCOMPARE(NodeId(Node(QStringLiteral("D2"))), NodeId(Node(QStringLiteral("D"))->child(0)));
    }

    void MovingDownKeepsSubgroupsAndStopsAtTheEnds() {
        TTestApp app;
        const int a = AddGroup(QStringLiteral("A"), 0, 0);
        const int b = AddGroup(QStringLiteral("B"), 0, 1);
        AddGroup(QStringLiteral("A1"), a, 0);
        AddGroup(QStringLiteral("A2"), a, 1);
        AddGroup(QStringLiteral("B1"), b, 4);
        AddGroup(QStringLiteral("B2"), b, 4);
        AddProduct(QStringLiteral("Из A"), a, 10);
        fMain->APaintTVGrup();

        // The last subgroup of a group, the last top-level group (even with subgroups, which
        // makes it not the last node) and the last node stay where they are.
        const QStringList stored = GroupRows();
        for (const char* name : {"A2", "B", "B2"}) {
            SelectNode(fMain->TVGrup, Node(QString::fromLatin1(name)));
            fMain->ButVniz->click();
            QCOMPARE(GroupRows(), stored);
        }

        // Two subgroups with equal num_tv get distinct positions when one moves.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("B1")));
        fMain->ButVniz->click();
        QCOMPARE(GroupRows().mid(4),
                 (QStringList{QStringLiteral("B1 1 B"), QStringLiteral("B2 0 B")}));
        QCOMPARE(SelectedGroup(), QStringLiteral("B1"));

        // The second of the two writes fails: neither is kept, and the tree stays as it was.
        const QStringList before = GroupRows();
        const QStringList shown = TreeTexts();
        const auto failingMove = [](const char* second, const char* moved, QPushButton* button) {
            ExecSql(QStringLiteral("CREATE TRIGGER fail BEFORE UPDATE ON tab_grup WHEN "
                                   "NEW.naim_grup='%1' BEGIN SELECT RAISE(ABORT, 'сбой'); END")
                        .arg(QLatin1String(second)));
            SelectNode(fMain->TVGrup, Node(QString::fromLatin1(moved)));
            button->click();
            ExecSql(QStringLiteral("DROP TRIGGER fail"));
        };
        failingMove("B", "A", fMain->ButVniz);
        failingMove("B2", "B1", fMain->ButVerh);
        QCOMPARE(app.Seams.Errors().size(), 2);
        QVERIFY(app.Seams.Errors().last().contains(QStringLiteral("сбой")));
        QCOMPARE(GroupRows(), before);
        QCOMPARE(TreeTexts(), shown);

        // A group moves with its subgroups in their order, and its products stay listed.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("A")));
        fMain->ButVniz->click();
        QCOMPARE(GroupRows().mid(0, 2),
                 (QStringList{QStringLiteral("A 1"), QStringLiteral("B 0")}));
        QCOMPARE(TreeTexts(), (QStringList{QStringLiteral("B"), QStringLiteral("B/B2"),
                                           QStringLiteral("B/B1"), QStringLiteral("A"),
                                           QStringLiteral("A/A1"), QStringLiteral("A/A2")}));
        QCOMPARE(SelectedGroup(), QStringLiteral("A"));
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Из A")});
        QCOMPARE(Node(QStringLiteral("A1"))->icon(0).cacheKey(), fMain->IL1.cacheKey());
    }

    void GroupChoiceOfTheProductDialogJoinsSubgroupsToTheirGroup() {
        TTestApp app;
        const int milk = AddGroup(QStringLiteral("Молочные"), 0, 0);
        const int kefir = AddGroup(QStringLiteral("Кефир"), milk, 0);
        const int cheese = AddGroup(QStringLiteral("Сыры"), milk, 1);
        const int bread = AddGroup(QStringLiteral("Хлеб"), 0, 1);
        fMain->APaintTVGrup();
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Сыры")));
        fMain->APaintCBGrup();
        QComboBox* choice = fNewProd->CBGrup;
        QStringList items;
        QList<int> ids;
        for (int i = 0; i < choice->count(); ++i) {
            items << choice->itemText(i);
            ids << choice->itemData(i).toInt();
        }
        QCOMPARE(items, (QStringList{QStringLiteral("Молочные"), QStringLiteral("Молочные : Кефир"),
                                     QStringLiteral("Молочные : Сыры"), QStringLiteral("Хлеб")}));
        QCOMPARE(ids, (QList<int>{milk, kefir, cheese, bread}));
        QCOMPARE(choice->currentIndex(), 2);
        fMain->TVGrup->clearSelection();
        fMain->APaintCBGrup();
        QCOMPARE(choice->currentIndex(), -1);
    }
};

EDOMER_TEST(TestGrup)
#include "TestGrup.moc"
