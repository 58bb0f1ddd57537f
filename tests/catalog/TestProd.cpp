// The product list: its content, order and energy text, the Delete key and the two buttons
// that open the product dialog on the product table.

#include "catalog/UNewProd.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/catalog/TestGrupTools.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/USkin.h"

#include <QLineEdit>

class TestProd : public QObject {
    Q_OBJECT

private slots:
    void ListsTheGroupsOwnProductsInRussianOrderWithTheLocaleSeparator() {
        TTestApp app;
        const int fruit = AddGroup(QStringLiteral("Фрукты"), 0, 0);
        const int other = AddGroup(QStringLiteral("Прочее"), 0, 1);
        const int apple = AddProduct(QStringLiteral("яблоко"), fruit, 52);
        AddProduct(QStringLiteral("Банан"), fruit, 89.45);
        AddProduct(QStringLiteral("Ябл"), fruit, 0);
        AddProduct(QStringLiteral("ЯБЛОКО сушёное"), fruit, 243);
        AddProduct(QStringLiteral("арбуз"), fruit, 27);
        AddProduct(QStringLiteral("Apple"), fruit, 1);
        AddProduct(QStringLiteral("Соль"), other, 0);
        fMain->APaintTVGrup();
        QCOMPARE(ProductTexts(),
                 (QStringList{QStringLiteral("арбуз"), QStringLiteral("Банан"),
                              QStringLiteral("Ябл"), QStringLiteral("яблоко"),
                              QStringLiteral("ЯБЛОКО сушёное"), QStringLiteral("Apple")}));
        QCOMPARE(SelectedProduct(), QStringLiteral("арбуз"));
        QTreeWidgetItem* item = fMain->LVProd->Item(3);
        QCOMPARE(TListView::Data(item), apple);
        QCOMPARE(TListView::SubItem(item, 0), QStringLiteral("52,0"));
        QCOMPARE(TListView::SubItem(fMain->LVProd->Item(1), 0), QStringLiteral("89,5"));
        {
            TLocaleScope point(TLocaleScope::Point());
            fMain->APaintTVProd();
            QCOMPARE(TListView::SubItem(fMain->LVProd->Item(3), 0), QStringLiteral("52.0"));
        }

        // A click that leaves nothing selected selects the first product again.
        fMain->show();
        fMain->LVProd->clearSelection();
        QTest::mouseClick(fMain->LVProd->viewport(), Qt::LeftButton, {},
                          QPoint(5, fMain->LVProd->viewport()->height() - 3));
        QCOMPARE(SelectedProduct(), QStringLiteral("арбуз"));
    }

    void DeleteRemovesTheProductAndItsMeasuresWithoutAsking() {
        TTestApp app;
        const int group = AddGroup(QStringLiteral("Овощи"), 0, 0);
        const int empty = AddGroup(QStringLiteral("Пустая"), 0, 1);
        const int beet = AddProduct(QStringLiteral("Буряк"), group, 43);
        const int carrot = AddProduct(QStringLiteral("Морковь"), group, 41);
        AddMeasure(beet, QStringLiteral("100г"), 100, 43);
        AddMeasure(beet, QStringLiteral("шт."), 80, 34.4);
        AddMeasure(carrot, QStringLiteral("100г"), 100, 41);
        fMain->APaintTVGrup();
        // The measures fail to go, so the product stays with them.
        ExecSql(QStringLiteral("CREATE TRIGGER fail BEFORE DELETE ON tab_mera "
                               "BEGIN SELECT RAISE(ABORT, 'сбой'); END"));
        SendKey(fMain->LVProd, Qt::Key_Delete);
        QVERIFY(app.Seams.Errors().constFirst().contains(QStringLiteral("сбой")));
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 2);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 3);
        ExecSql(QStringLiteral("DROP TRIGGER fail"));
        SendKey(fMain->LVProd, Qt::Key_Delete);
        QVERIFY(app.Seams.ModalShown.isEmpty());
        QCOMPARE(
            CountSql(QStringLiteral("SELECT count(*) FROM tab_prod WHERE id_prod=%1").arg(beet)),
            0);
        QCOMPARE(
            CountSql(QStringLiteral("SELECT count(*) FROM tab_mera WHERE id_prod=%1").arg(beet)),
            0);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_mera")), 1);
        QCOMPARE(ProductTexts(), QStringList{QStringLiteral("Морковь")});
        QCOMPARE(SelectedProduct(), QStringLiteral("Морковь"));

        // A group without products: the buttons and keys do nothing.
        SelectNode(fMain->TVGrup, FindNodeById(fMain->TVGrup, empty));
        fMain->TVGrupClick();
        QCOMPARE(fMain->LVProd->Count(), 0);
        SendKey(fMain->LVProd, Qt::Key_Delete);
        fMain->ButDelProd->click();
        fMain->ButEditProd->click();
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_prod")), 1);
        QVERIFY(app.Seams.ModalShown.isEmpty());
    }

    void ProductButtonsAndKeysOpenTheirDialogs() {
        TTestApp app;
        const int group = AddGroup(QStringLiteral("Крупы"), 0, 0);
        AddProduct(QStringLiteral("Гречка"), group, 313);
        const int rice = AddProduct(QStringLiteral("Рис"), group, 344);
        fMain->APaintTVGrup();
        fMain->LVProd->Select(fMain->LVProd->Item(1));

        QString caption;
        TDataSetState state = TDataSetState::Inactive;
        QVariant id;
        auto look = [&](TfNewProd* d) {
            caption = d->Caption();
            state = DM->TableProd.State();
            id = DM->TableProd.FieldValue(QStringLiteral("id_prod"));
            DM->TableProd.Cancel();
        };
        app.Seams.OnModalOf<TfNewProd>(look);
        fMain->ButEditProd->click();
        QCOMPARE(caption, QStringLiteral("Редактирование"));
        QCOMPARE(state, TDataSetState::Edit);
        QCOMPARE(id.toInt(), rice);

        app.Seams.OnModalOf<TfNewProd>(look);
        fMain->ButNewProd->click();
        QCOMPARE(caption, QStringLiteral("Добавление нового продукта"));
        QCOMPARE(state, TDataSetState::Insert);
        QVERIFY(id.isNull());
        QCOMPARE(SelectedProduct(), QStringLiteral("Гречка"));

        // Enter and a double click put the selected product into the entry dialog.
        QStringList names;
        auto entry = [&names](TfVvod* d) { names << d->EdNaim->text(); };
        app.Seams.OnModalOf<TfVvod>(entry);
        SendKey(fMain->LVProd, Qt::Key_Return, QStringLiteral("\r"));
        fMain->LVProd->Select(fMain->LVProd->Item(1));
        app.Seams.OnModalOf<TfVvod>(entry);
        emit fMain->LVProd->itemDoubleClicked(fMain->LVProd->Item(1), 0);
        QCOMPARE(names, (QStringList{QStringLiteral("Гречка"), QStringLiteral("Рис")}));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }
};

EDOMER_TEST(TestProd)
#include "TestProd.moc"
