// The help's «Первые шаги» walked through the windows on the ready database: every product it
// names, every text it says is typed or chosen, and every number it says the table then shows.
// And the messages its page «Если что-то не так» tells the user what to do about.

#include "app/UMain.h"
#include "catalog/UGroupTree.h"
#include "ration/URacionTable.h"
#include "ration/URacionView.h"
#include "ration/USaveRacion.h"
#include "ration/UVvod.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "ui/UDialog.h"
#include "ui/UListView.h"
#include "ui/URadioGroup.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimeEdit>
#include <QTreeWidget>

namespace {

QString Joined(const TRacRow& row) {
    return (QStringList{row.caption} + row.sub).join(QLatin1Char('|'));
}

QStringList TableShown() {
    QStringList rows;
    for (const TRacRow& row : RacTableRows().rows)
        rows << Joined(row);
    return rows;
}

QString DayTotalShown() {
    return Joined(RacTableRows().itog.at(0)) + QLatin1Char('|') + fMain->EProc->text();
}

// "group: product" of what the main window shows selected.
QString Shown() {
    const QTreeWidgetItem* node = SelectedNode(fMain->TVGrup);
    const QTreeWidgetItem* item = fMain->LVProd->Selected();
    return (node ? node->text(0) : QString()) + QStringLiteral(": ") +
           (item ? item->text(0) : QString());
}

void Search(const QString& text) {
    fMain->EdPoisk->clear();
    TypeText(fMain->EdPoisk, text);
}

void SelectListed(const QString& name) {
    for (int i = 0; i < fMain->LVProd->Count(); ++i)
        if (fMain->LVProd->Item(i)->text(0) == name)
            fMain->LVProd->Select(fMain->LVProd->Item(i));
}

} // namespace

class TestQuickstart : public QObject {
    Q_OBJECT

    static void GlassOfMilk(TTestApp& app) {
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Занести продукт в рацион"));
            d->DTP->setTime(QTime(8, 0));
            d->RG->Button(1)->click();
            QCOMPARE(d->CBMera->currentText(), QStringLiteral("стакан (200 мл)"));
            QCOMPARE(d->EDMera->text(), QStringLiteral("1"));
            d->ButDa->click();
        });
        fMain->ButvRac->click();
    }

private slots:
    void BreakfastOfMilkAndCheeseSavedAsADay() {
        TTestApp app(TStoreKind::Starter);
        fMain->show();
        fMain->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fMain));

        // A glass of milk at 08:00 from the first group, whose foods are listed at start.
        QCOMPARE(Shown(), QStringLiteral("Молочные продукты: Йогурт натуральный 1,5%"));
        SelectListed(QStringLiteral("Молоко 3,2%"));
        QCOMPARE(Shown(), QStringLiteral("Молочные продукты: Молоко 3,2%"));
        GlassOfMilk(app);
        QCOMPARE(TableShown().value(0),
                 QStringLiteral("08:00|Молоко 3,2%|1 * стакан (200 мл)|206|123,6|6,6|6,8|9,3"));

        // «сыр» alone meets the first cheese of the group by the alphabet; the cheese is found by
        // «российский» or «сыр рос».
        fMain->EdPoisk->setFocus();
        Search(QStringLiteral("сыр"));
        QCOMPARE(Shown(), QStringLiteral("Молочные продукты: Сыр голландский"));
        Search(QStringLiteral("сыр рос"));
        QCOMPARE(Shown(), QStringLiteral("Молочные продукты: Сыр российский"));
        Search(QStringLiteral("российский"));
        QCOMPARE(Shown(), QStringLiteral("Молочные продукты: Сыр российский"));

        // 50 g at the time proposed, by Enter in the time field, typing and Enter.
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            QCOMPARE(d->DTP->time(), QTime(8, 0));
            QCOMPARE(d->RG->ItemIndex(), 0);
            SendKey(d->DTP, Qt::Key_Return);
            QCOMPARE(d->EdGramm->selectedText(), QStringLiteral("0"));
            TypeText(d->EdGramm, QStringLiteral("50"));
            SendKey(d->EdGramm, Qt::Key_Return);
        });
        fMain->ButvRac->click();
        QCOMPARE(TableShown(),
                 QStringList({QStringLiteral("08:00|Молоко 3,2%|1 * стакан (200 мл)|206|123,6|6,6|"
                                             "6,8|9,3"),
                              QStringLiteral("|Сыр российский|50г|50|185,5|11,6|14,9|1,4"),
                              QStringLiteral("||Итого за прием:|256|309,1|18,2|21,7|10,7")}));

        // The day total starts in percent; the switch gives grams.
        QCOMPARE(DayTotalShown(), QStringLiteral("||Итого за день:|256|309,1|23,3|63,0|13,7|%"));
        fMain->CBProc->click();
        QCOMPARE(DayTotalShown(), QStringLiteral("||Итого за день:|256|309,1|18,2|21,7|10,7|г."));
        fMain->CBProc->click();

        // Saved under a name typed into the empty field. The next day, cleared and begun again,
        // is offered today's date, since a saved ration is listed.
        app.Seams.OnModalOf<TfSaveRacion>([](TfSaveRacion* d) {
            QCOMPARE(d->Caption(), QStringLiteral("Сохранить рацион как"));
            QCOMPARE(d->EdNaimRac->text(), QString());
            d->EdNaimRac->setText(QStringLiteral("07.12.26"));
            d->ButDa->click();
        });
        fMain->ButSave->click();
        QCOMPARE(fMain->Label1->text(), QStringLiteral("Текущий рацион: 07.12.26"));
        QVERIFY(fMain->RacionSaved);
        app.Seams.AnswerQuestion(mrYes);
        fMain->ButClear->click();
        Search(QStringLiteral("Молоко 3,2%"));
        GlassOfMilk(app);
        QString proposed;
        app.Seams.OnModalOf<TfSaveRacion>(
            [&](TfSaveRacion* d) { proposed = d->EdNaimRac->text(); });
        fMain->ButSave->click();
        QCOMPARE(proposed, QDate::currentDate().toString(QStringLiteral("dd.MM.yy")));
        QVERIFY(app.Seams.Errors().isEmpty());
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void GramsThatAreNotWholeAndPortionsWithoutMeasuresAreRefused() {
        TTestApp app(TStoreKind::Starter);
        fMain->show();
        const int bare = AddProduct(QStringLiteral("Без мер"), 1, 100);
        fMain->LVProd->AddItem(QStringLiteral("Без мер"), {QStringLiteral("100,0")}, bare);
        SelectListed(QStringLiteral("Без мер"));
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            d->EdGramm->clear();
            TypeText(d->EdGramm, QStringLiteral("50,5"));
            d->ButDa->click();
            QVERIFY(d->isVisible());
        });
        fMain->ButvRac->click();
        app.Seams.OnModalOf<TfVvod>([](TfVvod* d) {
            d->RG->Button(1)->click();
            d->ButDa->click();
            QVERIFY(d->isVisible());
        });
        fMain->ButvRac->click();
        QCOMPARE(app.Seams.Errors(), QStringList({QStringLiteral("«50,5» — не целое число"),
                                                  QStringLiteral("У продукта нет мер (порций)")}));
        QVERIFY(ArraySave.empty());
    }
};

EDOMER_TEST(TestQuickstart)
#include "TestQuickstart.moc"
