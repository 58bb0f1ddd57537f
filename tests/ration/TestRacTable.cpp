// The ration table and the day total: the rows built from the ration, and the main window's
// lists, check boxes, Delete key and the clean-up of an emptied saved ration.

#include "app/UMain.h"
#include "ration/URacionTable.h"
#include "ration/URacionView.h"
#include "ration/UVvod.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestKeys.h"
#include "tests/common/TestRegistry.h"
#include "tests/ration/RationSamples.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <map>

namespace {

class TFakeLookups : public TRacLookups {
public:
    std::map<int, QString> products;
    std::map<int, QString> measures;
    std::optional<QString> ProductName(int id) override { return Find(products, id); }
    std::optional<QString> MeasureName(int id) override { return Find(measures, id); }

private:
    static std::optional<QString> Find(const std::map<int, QString>& names, int id) {
        const auto it = names.find(id);
        if (it == names.end())
            return std::nullopt;
        return it->second;
    }
};

QStringList Cells(const TRacRow& row) {
    return QStringList{row.caption} + row.sub;
}

QStringList L(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts)
        list << QString::fromUtf8(t);
    return list;
}

const QStringList kRowA = L({"08:00", "A", "200г", "200", "150,0", "5,0", "3,0", "25,0"});
const QStringList kRowB = L({"", "B", "2 * M", "400", "240,0", "12,0", "10,0", "20,0"});
const QStringList kMeal1 = L({"", "", "Итого за прием:", "600", "390,0", "17,0", "13,0", "45,0"});
const QStringList kRowC = L({"13:30", "C", "100г", "100", "100,0", "20,0", "2,0", "0,0"});
const QStringList kMeal2 = L({"", "", "Итого за прием:", "100", "100,0", "20,0", "2,0", "0,0"});
const QStringList kDayGrams = L({"", "", "Итого за день:", "700", "490,0", "37,0", "15,0", "45,0"});
const QStringList kDayPercent =
    L({"", "", "Итого за день:", "700", "490,0", "31,9", "29,3", "38,8"});
const QStringList kSums = L({"", "", "", "700", "490,0", "37,0", "15,0", "45,0"});

std::vector<QStringList> AllCells(const std::vector<TRacRow>& rows) {
    std::vector<QStringList> cells;
    for (const TRacRow& row : rows)
        cells.push_back(Cells(row));
    return cells;
}

} // namespace

class TestRacTable : public QObject {
    Q_OBJECT

    TFakeLookups ExampleNames() {
        TFakeLookups names;
        names.products = {
            {1, QStringLiteral("A")}, {2, QStringLiteral("B")}, {3, QStringLiteral("C")}};
        names.measures = {{7, QStringLiteral("M")}};
        return names;
    }

private slots:
    void WorkedExampleWithEveryViewOption() {
        TLocaleScope comma(TLocaleScope::Comma());
        TFakeLookups names = ExampleNames();
        const TArraySave ration = WorkedExample(1, 2, 7, 3);

        TRacTable t = BuildRacTable(ration, {true, false}, names);
        QCOMPARE(AllCells(t.rows), (std::vector<QStringList>{kRowA, kRowB, kMeal1, kRowC, kMeal2}));
        QCOMPARE(AllCells(t.itog), (std::vector<QStringList>{kDayGrams, kSums}));
        std::vector<int> data;
        for (const TRacRow& row : t.rows)
            data.push_back(row.data);
        QCOMPARE(data, (std::vector<int>{0, 1, 0, 2, 0}));

        t = BuildRacTable(ration, {true, true}, names);
        QCOMPARE(AllCells(t.itog), (std::vector<QStringList>{kDayPercent, kSums}));

        t = BuildRacTable(ration, {false, true}, names);
        QCOMPARE(AllCells(t.rows), (std::vector<QStringList>{kRowA, kRowB, kRowC}));
        QCOMPARE(AllCells(t.itog), (std::vector<QStringList>{kDayPercent, kSums}));

        t = BuildRacTable(ration, {false, false}, names);
        QCOMPARE(AllCells(t.itog), (std::vector<QStringList>{kDayGrams, kSums}));

        // The unit switch alone: the visible row is refilled from the hidden sums.
        TRacRow day = t.itog[0];
        FillDayTotal(day, t.itog[1], true);
        QCOMPARE(Cells(day), kDayPercent);
        FillDayTotal(day, t.itog[1], false);
        QCOMPARE(Cells(day), kDayGrams);
        // Carbohydrates take the remainder of the shares, which is never negative, not even
        // zero written with a minus.
        FillDayTotal(day, {{}, L({"", "", "100", "440,0", "1,0", "4,0", "100,0"})}, true);
        QCOMPARE(day.sub.mid(4), L({"0,9", "8,2", "90,9"}));
        FillDayTotal(day, {{}, L({"", "", "100", "139,0", "1,0", "15,0", "0,0"})}, true);
        QCOMPARE(day.sub.mid(4), L({"2,9", "97,1", "0,0"}));
        FillDayTotal(day, {{}, L({"", "", "100", "120,0", "27,0", "1,0", "0,0"})}, true);
        QCOMPARE(day.sub.mid(4), L({"92,3", "7,8", "0,0"}));

        TLocaleScope point(TLocaleScope::Point());
        t = BuildRacTable(ration, {true, true}, names);
        QCOMPARE(t.rows[1].sub[3], QStringLiteral("240.0"));
        QCOMPARE(t.itog[0].sub[6], QStringLiteral("38.8"));
    }

    void MealsMissingNamesAndTotals() {
        TLocaleScope comma(TLocaleScope::Comma());
        TFakeLookups names = ExampleNames();
        // Seconds do not split a meal; gone products and measures keep their numbers.
        const TArraySave ration = {
            Grams(At(9, 15, 10), 1, 50, 10.04),
            Portions(At(9, 15, 50), 0, 7, 0.5, 100, 20.04),
            Portions(At(9, 15, 50), 99, 8, 1, 30, 5),
            Portions(At(9, 15, 50), 3, 0, 3, 15, 1),
            Portions(At(9, 16), 2, 7, 0.25, 50, 4),
        };
        const TRacTable t = BuildRacTable(ration, {true, false}, names);
        QCOMPARE(
            AllCells(t.rows),
            (std::vector<QStringList>{
                L({"09:15", "A", "50г", "50", "10,0", "0,0", "0,0", "0,0"}),
                L({"", "Продукт был удален", "0,5 * M", "100", "20,0", "0,0", "0,0", "0,0"}),
                L({"", "Продукт был удален", "мера удалена", "30", "5,0", "0,0", "0,0", "0,0"}),
                L({"", "C", "мера удалена", "15", "1,0", "0,0", "0,0", "0,0"}),
                L({"", "", "Итого за прием:", "195", "36,0", "0,0", "0,0", "0,0"}),
                L({"09:16", "B", "0,25 * M", "50", "4,0", "0,0", "0,0", "0,0"}),
                L({"", "", "Итого за прием:", "50", "4,0", "0,0", "0,0", "0,0"}),
            }));
        // The day total sums the stored values, rounded after each entry: 10,0 + 20,04 -> 30,0.
        QCOMPARE(Cells(t.itog[1]), L({"", "", "", "245", "40,0", "0,0", "0,0", "0,0"}));

        // Without protein, fat and carbohydrate the shares are 0,0 and nothing is divided.
        const TRacTable p = BuildRacTable(ration, {true, true}, names);
        QCOMPARE(Cells(p.itog[0]),
                 L({"", "", "Итого за день:", "245", "40,0", "0,0", "0,0", "0,0"}));

        QVERIFY(BuildRacTable({}, {true, true}, names).rows.empty());
        QVERIFY(BuildRacTable({}, {true, true}, names).itog.empty());
    }

    void MainWindowShowsTheRationAndItsOptions() {
        TTestApp app;
        const int a = AddProduct(QStringLiteral("A"), 1, 75);
        const int b = AddProduct(QStringLiteral("B"), 1, 60);
        const int m = AddMeasure(b, QStringLiteral("M"), 200, 120);
        const int c = AddProduct(QStringLiteral("C"), 1, 100);
        ArraySave = WorkedExample(a, b, m, c);
        fMain->CB1->setChecked(true);
        fMain->CBProc->setChecked(false);
        fMain->CBProcClick();
        fMain->APaintLVRAc();

        TRacTable t = RacTableRows();
        QCOMPARE(AllCells(t.rows), (std::vector<QStringList>{kRowA, kRowB, kMeal1, kRowC, kMeal2}));
        QCOMPARE(AllCells(t.itog), (std::vector<QStringList>{kDayGrams, kSums}));
        QCOMPARE(TListView::Data(fMain->LVRac->Item(3)), 2);
        QCOMPARE(fMain->EProc->text(), QStringLiteral("г."));
        QVERIFY(!fMain->LVItog->Item(0)->isHidden());
        QVERIFY(fMain->LVItog->Item(1)->isHidden());
        QTreeWidgetItem* subtotal = fMain->LVRac->Item(2);
        QCOMPARE(subtotal->background(4).color(), QColor(253, 242, 198));
        QCOMPARE(subtotal->foreground(1).color(), QColor(0, 0, 255));
        QVERIFY(subtotal->font(3).bold());
        QVERIFY(!fMain->LVRac->Item(1)->font(3).bold());

        // The unit switch does not rebuild: a changed ration shows only after a rebuild.
        ArraySave.pop_back();
        fMain->CBProc->click();
        QCOMPARE(fMain->EProc->text(), QStringLiteral("%"));
        t = RacTableRows();
        QCOMPARE(Cells(t.itog[0]), kDayPercent);
        QCOMPARE(int(t.rows.size()), 5);

        fMain->CB1->click();
        t = RacTableRows();
        QCOMPARE(AllCells(t.rows), (std::vector<QStringList>{kRowA, kRowB}));
        QCOMPARE(t.itog[0].sub[2], QStringLiteral("600"));

        fMain->CB2->click();
        for (TListView* list : {fMain->LVRac, fMain->LVItog})
            for (int col = 5; col <= 7; ++col)
                QCOMPARE(list->ColumnWidth(col), 0);
        QVERIFY(fMain->CBProc->isHidden());
        QVERIFY(fMain->EProc->isHidden());
        QVERIFY(!fMain->Edit1->isHidden());
        QCOMPARE(fMain->LVRac->Item(0)->text(5), QStringLiteral("5,0"));
        fMain->CB2->click();
        QCOMPARE(fMain->LVItog->ColumnWidth(6), 50);
        QVERIFY(!fMain->CBProc->isHidden());
    }

    void DeleteKeyRemovesEntryRowsOnly() {
        TTestApp app;
        ArraySave = WorkedExample(1, 2, 3, 4);
        fMain->CB1->setChecked(true);
        fMain->APaintLVRAc();
        fMain->AEnable();
        fMain->RacionSaved = true;
        TListView* list = fMain->LVRac;

        list->Select(list->Item(2));
        SendKey(list, Qt::Key_Delete);
        QCOMPARE(int(ArraySave.size()), 3);
        QCOMPARE(list->Count(), 5);
        QVERIFY(fMain->RacionSaved);

        list->Select(list->Item(0));
        SendKey(list, Qt::Key_Backspace);
        QCOMPARE(int(ArraySave.size()), 3);

        list->Select(list->Item(0));
        SendKey(list, Qt::Key_Delete);
        QCOMPARE(int(ArraySave.size()), 2);
        QCOMPARE(ArraySave[0].id_prod, 2);
        QVERIFY(!fMain->RacionSaved);
        QCOMPARE(list->Count(), 4);
        QCOMPARE(list->Item(0)->text(0), QStringLiteral("08:00"));
        QVERIFY(list->Selected() == nullptr);

        // The only entry of a meal goes with its subtotal; the last entry empties both lists.
        list->Select(list->Item(2));
        SendKey(list, Qt::Key_Delete);
        QCOMPARE(list->Count(), 2);
        list->Select(list->Item(0));
        SendKey(list, Qt::Key_Delete);
        QVERIFY(ArraySave.empty());
        QCOMPARE(list->Count(), 0);
        QCOMPARE(fMain->LVItog->Count(), 0);
        QVERIFY(fMain->ButSave->isEnabled());
    }

    void EmptiedSavedRationIsForgotten() {
        TTestApp app;
        ExecSql(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"Пустой\")"));
        const int empty = CountSql(QStringLiteral("SELECT max(id) FROM tab_nazv_rac"));
        ExecSql(QStringLiteral("INSERT INTO tab_nazv_rac(naim_rac) VALUES(\"Полный\")"));
        const int full = CountSql(QStringLiteral("SELECT max(id) FROM tab_nazv_rac"));
        ExecSql(QStringLiteral("INSERT INTO tab_racion(id_rac,vremy,id_prod,flag,g,id_porc,"
                               "kol_porc,kkal,bel,zir,ugl) VALUES(%1,0,1,1,10,0,0,1,0,0,0)")
                    .arg(full));
        const QString label = QStringLiteral("Текущий рацион: Пустой");

        // A table with rows, or no label: nothing is touched.
        ArraySave = {Grams(At(8, 0), 1, 10, 1)};
        fMain->APaintLVRAc();
        fMain->Label1->setText(label);
        fVvod->CurRacId = empty;
        fMain->ADeleteRac();
        QCOMPARE(fMain->Label1->text(), label);
        ArraySave.clear();
        fMain->APaintLVRAc();
        fMain->Label1->clear();
        fMain->ADeleteRac();
        QCOMPARE(fVvod->CurRacId, empty);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 2);

        // A saved ration that still has stored entries keeps its id.
        fMain->Label1->setText(label);
        fVvod->CurRacId = full;
        fMain->ADeleteRac();
        QCOMPARE(fMain->Label1->text(), QString());
        QCOMPARE(fVvod->CurRacId, full);

        fMain->Label1->setText(label);
        fVvod->CurRacId = empty;
        fMain->ADeleteRac();
        QCOMPARE(fMain->Label1->text(), QString());
        QCOMPARE(fVvod->CurRacId, -1);
        QCOMPARE(
            CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac WHERE id=%1").arg(empty)),
            0);
        QCOMPARE(CountSql(QStringLiteral("SELECT count(*) FROM tab_nazv_rac")), 1);
    }
};

EDOMER_TEST(TestRacTable)
#include "TestRacTable.moc"
