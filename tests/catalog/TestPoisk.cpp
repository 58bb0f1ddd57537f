// Product search: the quick search field stepping through the matches, the search dialog's
// three modes, and typed pattern characters and quotes matching themselves.

#include "catalog/UPoiskpas.h"
#include "store/UDM.h"
#include "tests/catalog/TestGrupTools.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// "group: product" of what the main window shows selected.
QString Shown() {
    return SelectedGroup() + QStringLiteral(": ") + SelectedProduct();
}

// A subgroup standing first in the tree, then two top-level groups.
struct TCatalog {
    int dairy = AddGroup(QStringLiteral("Молочные"), 0, 0);
    int yogurt = AddGroup(QStringLiteral("Йогурты"), dairy, 0);
    int drinks = AddGroup(QStringLiteral("Напитки"), 0, 1);
    int other = AddGroup(QStringLiteral("Прочее"), 0, 2);
    TCatalog() {
        AddProduct(QStringLiteral("Йогурт молочный"), yogurt, 60);
        AddProduct(QStringLiteral("Молоко 2,5"), dairy, 52);
        AddProduct(QStringLiteral("Молоко 2%"), dairy, 50);
        AddProduct(QStringLiteral("Коктейль МОЛОЧНЫЙ"), drinks, 90);
        AddProduct(QStringLiteral("Сгущёнка"), other, 320);
        AddProduct(QStringLiteral("Сыр \"Российский\""), other, 363);
        AddProduct(QStringLiteral("Соль_йодированная"), other, 0);
        fMain->APaintTVGrup();
    }
};

} // namespace

class TestPoisk : public QObject {
    Q_OBJECT

private slots:
    void QuickSearchStepsThroughTheMatchesInAnyLetterCase() {
        TTestApp app;
        TCatalog c;
        fMain->show();
        fMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fMain));
        QLineEdit* field = fMain->EdPoisk;
        field->setFocus();
        SendKey(field, Qt::Key_Return);
        QCOMPARE(Shown(), QStringLiteral("Молочные: Молоко 2,5"));
        QVERIFY(!DM->SQL1.Active());

        // Top-level groups' products by the group's place, a subgroup's after all of them.
        TypeText(field, QStringLiteral("МОЛ"));
        QCOMPARE(Shown(), QStringLiteral("Молочные: Молоко 2,5"));
        const QStringList expected = {
            QStringLiteral("Молочные: Молоко 2%"), QStringLiteral("Напитки: Коктейль МОЛОЧНЫЙ"),
            QStringLiteral("Йогурты: Йогурт молочный"), QStringLiteral("Йогурты: Йогурт молочный"),
            QStringLiteral("Молочные: Молоко 2,5")};
        for (const QString& shown : expected) {
            SendKey(field, Qt::Key_Return);
            QCOMPARE(Shown(), shown);
        }
        QVERIFY(field->hasFocus());
        QCOMPARE(fMain->LVProd->Count(), 2);

        // Every edit starts again from the first match; leaving the field ends the run.
        SendKey(field, Qt::Key_Return);
        TypeText(field, QStringLiteral("ок"));
        QCOMPARE(Shown(), QStringLiteral("Молочные: Молоко 2,5"));
        QVERIFY(DM->SQL1.Active());
        fMain->TVGrup->setFocus();
        QVERIFY(!DM->SQL1.Active());
    }

    void TypedTextMatchesItselfQuotesAndWildcardsIncluded() {
        TTestApp app;
        TCatalog c;
        fMain->show();
        QLineEdit* field = fMain->EdPoisk;
        field->setFocus();
        TypeText(field, QStringLiteral("2%"));
        QCOMPARE(Shown(), QStringLiteral("Молочные: Молоко 2%"));
        SendKey(field, Qt::Key_Return);
        QCOMPARE(Shown(), QStringLiteral("Молочные: Молоко 2%"));
        field->clear();
        TypeText(field, QStringLiteral("ь_"));
        QCOMPARE(Shown(), QStringLiteral("Прочее: Соль_йодированная"));
        field->clear();
        TypeText(field, QStringLiteral("р \"р"));
        QCOMPARE(Shown(), QStringLiteral("Прочее: Сыр \"Российский\""));
        field->clear();
        SelectNode(fMain->TVGrup, Node(QStringLiteral("Напитки")));
        fMain->TVGrupClick();
        TypeText(field, QStringLiteral("\\"));
        QCOMPARE(Shown(), QStringLiteral("Напитки: Коктейль МОЛОЧНЫЙ"));
        QVERIFY(app.Seams.Errors().isEmpty());
    }

    void DialogSearchesByLetterByWordAndAsList() {
        TTestApp app;
        TCatalog c;
        QStringList shown;
        QStringList captions;
        QList<int> heights;
        app.Seams.OnModalOf<TfPoisk>([&](TfPoisk* d) {
            QCOMPARE(d->width(), 396);
            QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
            // By letter: names that begin with the text, found while typing.
            d->RG->SetItemIndex(TfPoisk::kByLetter);
            TypeText(d->EdPoisk, QStringLiteral("Мол"));
            shown << Shown();
            captions << d->ButOK->text();
            // By word: a fragment anywhere, stepping on, staying on the last match.
            d->RG->SetItemIndex(TfPoisk::kByWord);
            TypeText(d->EdPoisk, QStringLiteral("оч"));
            for (int i = 0; i < 3; ++i) {
                d->ButOK->click();
                shown << Shown();
                captions << d->ButOK->text();
            }
            SendKey(d->EdPoisk, Qt::Key_Backspace);
            captions << d->ButOK->text();
            heights << d->height();
            // As a list: nothing for an empty field or no match, then every match.
            d->RG->SetItemIndex(TfPoisk::kAsList);
            heights << d->height();
            d->EdPoisk->clear();
            d->ButOK->click();
            heights << d->height();
            d->EdPoisk->setText(QStringLiteral("нет такого"));
            d->ButOK->click();
            heights << d->height();
            QVERIFY(!d->LVProd->isHidden() && !d->Label2->isHidden());
            QCOMPARE(d->LVProd->Count(), 0);
            d->EdPoisk->setText(QStringLiteral("молоч"));
            d->ButOK->click();
            QCOMPARE(d->LVProd->Count(), 2);
            QTreeWidgetItem* item = d->LVProd->Item(1);
            QCOMPARE(d->LVProd->ColumnWidth(2), 0);
            QCOMPARE(TListView::SubItem(item, 0), QStringLiteral("60,0"));
            QCOMPARE(TListView::SubItem(item, 1), QString::number(c.yogurt));
            d->LVProd->Select(item);
            emit d->LVProd->itemDoubleClicked(item, 0);
            shown << Shown();
            // An empty field in the other modes shows the first product of all.
            d->RG->SetItemIndex(TfPoisk::kByWord);
            d->EdPoisk->clear();
            d->ButOK->click();
            heights << d->height();
            shown << Shown();
            d->ButCancel->click();
        });
        fMain->ButPoisk->click();
        QCOMPARE(shown, (QStringList{QStringLiteral("Молочные: Молоко 2,5"),
                                     QStringLiteral("Напитки: Коктейль МОЛОЧНЫЙ"),
                                     QStringLiteral("Йогурты: Йогурт молочный"),
                                     QStringLiteral("Йогурты: Йогурт молочный"),
                                     QStringLiteral("Йогурты: Йогурт молочный"),
                                     QStringLiteral("Молочные: Молоко 2,5")}));
        QCOMPARE(captions,
                 (QStringList{QStringLiteral("Начать поиск"), QStringLiteral("Найти далее"),
                              QStringLiteral("Найти далее"), QStringLiteral("Найти далее"),
                              QStringLiteral("Начать поиск")}));
        QCOMPARE(heights, (QList<int>{156, 156, 156, 342, 156}));
        QCOMPARE(fPoisk->ButOK->text(), QStringLiteral("Начать поиск"));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }
};

EDOMER_TEST(TestPoisk)
#include "TestPoisk.moc"
