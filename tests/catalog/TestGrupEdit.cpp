// Group editing: the chooser and the two dialogs in adding and editing mode with their name
// rules and positions, and the deletion of a group with everything in it.

#include "catalog/ULevelGrup.h"
#include "catalog/UNewGrup.h"
#include "catalog/UNewPodgrup.h"
#include "tests/catalog/TestGrupTools.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString kTaken = QStringLiteral("Группа продуктов с таким названием уже существует");

// Milk with the subgroups Kefir and Cheese, Bread and Vegetables without subgroups.
struct TCatalog {
    int milk = AddGroup(QStringLiteral("Молочные"), 0, 0);
    int kefir = AddGroup(QStringLiteral("Кефир"), milk, 0);
    int cheese = AddGroup(QStringLiteral("Сыры"), milk, 1);
    int bread = AddGroup(QStringLiteral("Хлеб"), 0, 1);
    int veg = AddGroup(QStringLiteral("Овощи"), 0, 2);
    TCatalog() { fMain->APaintTVGrup(); }
};

void ChooseLevel(TScriptedSeams& seams, int index) {
    seams.OnModalOf<TfLevelGrup>([index](TfLevelGrup* d) {
        d->RadioGroup1->SetItemIndex(index);
        d->ButOK->click();
    });
}

// Types the names one after the other into the group dialog, pressing ОК after each.
void EnterGroupNames(TScriptedSeams& seams, const QStringList& names, bool* stillOpen = nullptr) {
    seams.OnModalOf<TfNewGrup>([names, stillOpen](TfNewGrup* d) {
        for (const QString& name : names) {
            d->EdNewGrup->setText(name);
            d->ButOK->click();
        }
        if (stillOpen)
            *stillOpen = d->isVisible();
    });
}

void EnterSubgroupName(TScriptedSeams& seams, const QString& name, const QString& parent = {}) {
    seams.OnModalOf<TfNewPodgrup>([name, parent](TfNewPodgrup* d) {
        if (!parent.isEmpty())
            d->CBGrup->setCurrentIndex(d->CBGrup->findText(parent));
        d->EdPodgrup->setText(name);
        d->ButOK->click();
    });
}

} // namespace

class TestGrupEdit : public QObject {
    Q_OBJECT

private slots:
    void AddingRefusesExistingNamesInAnyLetterCase() {
        TTestApp app;
        TCatalog c;
        bool stillOpen = false;
        ChooseLevel(app.Seams, 0);
        EnterGroupNames(app.Seams,
                        {QStringLiteral("  "), QStringLiteral("МОЛОЧНЫЕ"), QStringLiteral("сЫРЫ")},
                        &stillOpen);
        fMain->ButNewGrup1->click();
        QCOMPARE(
            app.Seams.Messages(),
            (QStringList{QStringLiteral("Укажите название группы продуктов"), kTaken, kTaken}));
        QVERIFY(stillOpen);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_grup")), 5);

        // Stored as typed, last in the tree, selected; Enter in the field acts as ОК.
        ChooseLevel(app.Seams, 0);
        app.Seams.OnModalOf<TfNewGrup>([](TfNewGrup* d) {
            QVERIFY(d->CBGrup->isHidden());
            QCOMPARE(d->Caption(), QStringLiteral("Добавление новой группы"));
            TypeText(d->EdNewGrup, QStringLiteral(" Ягоды"));
            SendKey(d->EdNewGrup, Qt::Key_Return);
        });
        fMain->ButNewGrup1->click();
        QCOMPARE(GroupRows().last(), QStringLiteral("Ягоды 5"));
        QCOMPARE(SelectedGroup(), QStringLiteral(" Ягоды"));

        // A subgroup goes last into the preselected group of the selected subgroup.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Кефир")));
        app.Seams.Messages().clear();
        ChooseLevel(app.Seams, 1);
        app.Seams.OnModalOf<TfNewPodgrup>([](TfNewPodgrup* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Добавление новой подгруппы"));
            QCOMPARE(d->CBGrup->currentText(), QStringLiteral("Молочные"));
            QCOMPARE(d->CBGrup->itemData(0).toInt(), 0);
            d->EdPodgrup->setText(QStringLiteral("ХЛЕБ"));
            d->ButOK->click();
            d->EdPodgrup->setText(QStringLiteral("Творог"));
            d->ButOK->click();
        });
        fMain->ButNewGrup1->click();
        QCOMPARE(app.Seams.Messages(), QStringList{kTaken});
        QCOMPARE(GroupRows().last(), QStringLiteral("Творог 2 Молочные"));
        QCOMPARE(SelectedGroup(), QStringLiteral("Творог"));
        QVERIFY(Node(QStringLiteral("Молочные"))->isExpanded());

        // "сделать верхним уровнем" adds a group with the number of nodes as its num_tv.
        ChooseLevel(app.Seams, 1);
        EnterSubgroupName(app.Seams, QStringLiteral("Соки"),
                          QStringLiteral("сделать верхним уровнем"));
        fMain->ButNewGrup1->click();
        QCOMPARE(GroupRows().last(), QStringLiteral("Соки 7"));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void RenamingFollowsTheRulesOfEachKind() {
        TTestApp app;
        TCatalog c;
        // A group with subgroups may not take an existing name, nor a new letter case of its own.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Молочные")));
        bool stillOpen = false;
        EnterGroupNames(app.Seams, {QStringLiteral("хлеб"), QStringLiteral("МОЛОЧНЫЕ")},
                        &stillOpen);
        fMain->ButEditGrup->click();
        QCOMPARE(app.Seams.Messages(), (QStringList{kTaken, kTaken}));
        QVERIFY(stillOpen);
        EnterGroupNames(app.Seams, {QStringLiteral("Молочные продукты")});
        fMain->ButEditGrup->click();
        QCOMPARE(GroupRows().first(), QStringLiteral("Молочные продукты 0"));
        QCOMPARE(SelectedGroup(), QStringLiteral("Молочные продукты"));

        // A group without subgroups may; its parent choice offers the other groups.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Хлеб")));
        QStringList offered;
        app.Seams.OnModalOf<TfNewGrup>([&offered](TfNewGrup* d) {
            QVERIFY(!d->CBGrup->isHidden());
            for (int i = 0; i < d->CBGrup->count(); ++i)
                offered << d->CBGrup->itemText(i) + QLatin1Char('=') +
                               d->CBGrup->itemData(i).toString();
            d->EdNewGrup->setText(QStringLiteral("Овощи"));
            d->ButOK->click();
        });
        fMain->ButEditGrup->click();
        QCOMPARE(offered, (QStringList{QStringLiteral("нет=-1"),
                                       QStringLiteral("Молочные продукты=%1").arg(c.milk),
                                       QStringLiteral("Овощи=%1").arg(c.veg)}));
        QCOMPARE(GroupRows().at(3), QStringLiteral("Овощи 1"));

        // A subgroup saved unchanged writes nothing; renamed, it goes last in its group,
        // and it may take another group's name.
        const QStringList stored = GroupRows();
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Кефир")));
        app.Seams.OnModalOf<TfNewPodgrup>([](TfNewPodgrup* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Редактирование подгруппы"));
            QCOMPARE(d->EdPodgrup->text(), QStringLiteral("Кефир"));
            d->ButOK->click();
        });
        fMain->ButEditGrup->click();
        QCOMPARE(GroupRows(), stored);
        EnterSubgroupName(app.Seams, QStringLiteral("Хлеб"));
        fMain->ButEditGrup->click();
        QCOMPARE(GroupRows().at(1), QStringLiteral("Хлеб 2 Молочные продукты"));
        QCOMPARE(TreeTexts().mid(0, 3), (QStringList{QStringLiteral("Молочные продукты"),
                                                     QStringLiteral("Молочные продукты/Сыры"),
                                                     QStringLiteral("Молочные продукты/Хлеб")}));
        // Named like its group, an edited subgroup is still the node selected.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Сыры")));
        EnterSubgroupName(app.Seams, QStringLiteral("Молочные продукты"));
        fMain->ButEditGrup->click();
        QCOMPARE(NodeId(SelectedNode(fMain->TVGrup)), c.cheese);
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void MovingBetweenLevelsKeepsTheProducts() {
        TTestApp app;
        TCatalog c;
        AddProduct(QStringLiteral("Брынза"), c.cheese, 260);
        AddProduct(QStringLiteral("Батон"), c.bread, 264);
        fMain->APaintTVGrup();

        // A subgroup made a group comes last among the groups with its products.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Сыры")));
        EnterSubgroupName(app.Seams, QStringLiteral("Сыры"),
                          QStringLiteral("сделать верхним уровнем"));
        fMain->ButEditGrup->click();
        QCOMPARE(GroupRows().at(2), QStringLiteral("Сыры 5"));
        QCOMPARE(TreeTexts().last(), QStringLiteral("Сыры"));
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Брынза")});

        // A group without subgroups moved into another comes last among its subgroups; named
        // like its new group, it is still the node selected after the move.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Хлеб")));
        app.Seams.OnModalOf<TfNewGrup>([](TfNewGrup* d) {
            d->CBGrup->setCurrentIndex(d->CBGrup->findText(QStringLiteral("Молочные")));
            d->EdNewGrup->setText(QStringLiteral("Молочные"));
            d->ButOK->click();
        });
        fMain->ButEditGrup->click();
        QCOMPARE(GroupRows().at(3), QStringLiteral("Молочные 1 Молочные"));
        QCOMPARE(NodeId(SelectedNode(fMain->TVGrup)), c.bread);
        QVERIFY(Node(QStringLiteral("Молочные"))->isExpanded());
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Батон")});
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void DeletionRemovesEverythingInTheGroupOrNothing() {
        TTestApp app;
        TCatalog c;
        const int juice = AddGroup(QStringLiteral("Соки"), 0, 3);
        const int brie = AddProduct(QStringLiteral("Бри"), c.cheese, 334);
        const int milk = AddProduct(QStringLiteral("Молоко"), c.milk, 60);
        const int loaf = AddProduct(QStringLiteral("Батон"), c.bread, 264);
        AddMeasure(brie, QStringLiteral("100г"), 100, 334);
        AddMeasure(milk, QStringLiteral("стакан"), 200, 120);
        AddMeasure(loaf, QStringLiteral("ломтик"), 25, 66);
        fMain->APaintTVGrup();
        const QStringList stored = GroupRows();

        // "Нет" leaves the store as it was.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Молочные")));
        app.Seams.AnswerQuestion(mrNo);
        fMain->ButDelGrup->click();
        QCOMPARE(app.Seams.Questions,
                 QStringList{QStringLiteral("Удалить группу \"Молочные\" (все продукты, вход. в "
                                            "состав также будут удалены)? ")});
        QCOMPARE(GroupRows(), stored);

        // A failing statement half-way rolls everything back.
        ExecSql(QStringLiteral("CREATE TRIGGER fail BEFORE DELETE ON tab_grup "
                               "BEGIN SELECT RAISE(ABORT, 'сбой'); END"));
        app.Seams.AnswerQuestion(mrYes);
        fMain->ButDelGrup->click();
        QCOMPARE(app.Seams.Errors().size(), 1);
        QCOMPARE(GroupRows(), stored);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 3);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 3);
        QVERIFY(!DM->ADOTrans.InTransaction());
        ExecSql(QStringLiteral("DROP TRIGGER fail"));

        // A subgroup goes with its products and measures; nothing is renumbered.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Сыры")));
        app.Seams.AnswerQuestion(mrYes);
        fMain->ButDelGrup->click();
        QCOMPARE(GroupRows(),
                 (QStringList{QStringLiteral("Молочные 0"), QStringLiteral("Кефир 0 Молочные"),
                              QStringLiteral("Хлеб 1"), QStringLiteral("Овощи 2"),
                              QStringLiteral("Соки 3")}));
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 2);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 2);

        // A top-level group at position 1: its subgroups, products and measures go, and every
        // larger num_tv, subgroups' included, goes down by one; a subgroup at the same position
        // keeps it.
        ExecSql(QStringLiteral("UPDATE tab_grup SET num_tv=5 WHERE id_grup=%1").arg(c.kefir));
        const int yogurt = AddGroup(QStringLiteral("Йогурты"), c.milk, 1);
        AddMeasure(AddProduct(QStringLiteral("Йогурт"), yogurt, 60), QStringLiteral("100г"), 100,
                   60);
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Хлеб")));
        app.Seams.AnswerQuestion(mrYes);
        fMain->ButDelGrup->click();
        QCOMPARE(GroupRows(),
                 (QStringList{QStringLiteral("Молочные 0"), QStringLiteral("Кефир 4 Молочные"),
                              QStringLiteral("Овощи 1"), QStringLiteral("Соки 2"),
                              QStringLiteral("Йогурты 1 Молочные")}));
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 2);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 2);
        QCOMPARE(SelectedGroup(), QStringLiteral("Молочные"));

        // A top-level group takes the products and measures of its subgroups with it.
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Молочные")));
        app.Seams.AnswerQuestion(mrYes);
        fMain->ButDelGrup->click();
        QCOMPARE(GroupRows(), (QStringList{QStringLiteral("Овощи 0"), QStringLiteral("Соки 1")}));
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 0);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 0);
        QCOMPARE(NodeId(Node(QStringLiteral("Соки"))), juice);
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }
};

EDOMER_TEST(TestGrupEdit)
#include "TestGrupEdit.moc"
