// The period's workbook read back: its sheets, the summary's date cells, formats and charts,
// a day sheet equal to that day's own export, and the file dialog's outcomes.

#include "app/UMain.h"
#include "diary/UPeriodWorkbook.h"
#include "ration/URacionStore.h"
#include "store/UDM.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/reports/XlsxReader.h"
#include "ui/UListView.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

double Serial(const QDate& date) {
    return double(QDate(1899, 12, 30).daysTo(date));
}

// Every cell and chart of the day's own export, less its title, as the day sheet must hold.
void CompareDaySheet(const TXlsxSheet& own, const TXlsxSheet& day, const QString& sheetName) {
    QCOMPARE(day.cells.size(), own.cells.size());
    for (const auto& [a, cell] : own.cells) {
        const TXlsxCell other = day.Cell(a);
        QVERIFY2(a == "B2" || (other.text == cell.text && other.number == cell.number),
                 qPrintable(a));
        QVERIFY2(other.numberFormat == cell.numberFormat && other.bold == cell.bold &&
                     other.fontColor == cell.fontColor && other.fill == cell.fill &&
                     other.Borders() == cell.Borders(),
                 qPrintable(a));
    }
    QCOMPARE(day.charts.size(), own.charts.size());
    for (size_t i = 0; i < own.charts.size(); ++i) {
        QCOMPARE(day.charts[i].kind + day.charts[i].title,
                 own.charts[i].kind + own.charts[i].title);
        QCOMPARE(day.charts[i].values,
                 QString(own.charts[i].values).replace("Sheet1!", "'" + sheetName + "'!"));
    }
}

} // namespace

class TestPeriodWorkbook : public QObject {
    Q_OBJECT
private slots:
    void WorkbookOfThePeriod() {
        TTestApp app;
        const int curd = AddProduct(QStringLiteral("Творог"), 1, 75);
        const int bread = AddProduct(QStringLiteral("Хлеб"), 1, 250);
        const int slice = AddMeasure(bread, QStringLiteral("ломтик"), 30, 75);
        const TArraySave day = {{8.0 / 24, curd, true, 200, 0, 0, 150, 36, 10, 6},
                                {8.0 / 24, bread, false, 60, slice, 2, 150, 4.8, 1.8, 30},
                                {13.5 / 24, curd, true, 100, 0, 0, 75, 18, 5, 3}};
        SaveRacionAs(QStringLiteral("07.12.26"), day);
        SaveRacionAs(QStringLiteral("08.12.26 план"), day);
        SaveRacionAs(QStringLiteral("9.12.2026"), {day[0]});
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 7), 80.4);
        WriteWeight(DM->ADOTrans, QDate(2026, 12, 8), 80.1);
        // The main window shows no meal subtotals and the day's Б, Ж, У as shares.
        fMain->CB1->setChecked(false);
        fMain->CBProc->setChecked(true);
        ArraySave = day;
        fMain->APaintLVRAc();
        fMain->AEnable();
        const QTreeWidgetItem* dayTotal = fMain->LVItog->Item(0);
        QTemporaryDir dir;
        const QString own = dir.filePath(QStringLiteral("07.12.26.xlsx"));
        app.Seams.AnswerSaveFile(own);
        fMain->ButExcel->click();

        // Cancelled, and not writable: no file; the dialog proposes the folder of the export.
        const TDiaryPeriod period = {QDate(2026, 12, 3), QDate(2026, 12, 9)};
        ExportPeriodWorkbook(period, 2000, fMain);
        QCOMPARE(app.Seams.SaveProposals.last(),
                 QDir(dir.path()).filePath(QStringLiteral("Дневник 03.12.26-09.12.26.xlsx")));
        app.Seams.AnswerSaveFile(dir.filePath(QStringLiteral("нет/Дневник.xlsx")));
        QVERIFY_THROWS_EXCEPTION(EWorkbookError, ExportPeriodWorkbook(period, 2000, fMain));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("07.12.26.xlsx")});

        const QString path = dir.filePath(QStringLiteral("Дневник.xlsx"));
        app.Seams.AnswerSaveFile(path);
        ExportPeriodWorkbook(period, 2000, fMain);
        QCOMPARE(app.Seams.OpenedDocuments.last(), path);
        const TXlsxSheet sum = ReadXlsx(path);
        QCOMPARE(sum.sheetNames, QStringList({"Дни", "07.12.26", "09.12.26"}));
        QCOMPARE(sum.Cell("A1").text.value_or(""),
                 QStringLiteral("Дневник питания 03.12.26 – 09.12.26"));
        QCOMPARE(sum.Cell("A36").text.value_or(""), QStringLiteral("Дата"));
        QCOMPARE(sum.printTitles, QStringLiteral("'Дни'!$36:$36"));
        // Oldest first: the day, a weight alone, the day; then the means and the week.
        const std::pair<const char*, QDate> dates[] = {{"A37", QDate(2026, 12, 7)},
                                                       {"A38", QDate(2026, 12, 8)},
                                                       {"A39", QDate(2026, 12, 9)},
                                                       {"A43", QDate(2026, 12, 7)}};
        for (const auto& [a, date] : dates) {
            QCOMPARE(sum.Cell(a).number.value_or(0), Serial(date));
            QCOMPARE(sum.Cell(a).numberFormat, QStringLiteral("dd.mm.yy"));
        }
        QCOMPARE(sum.Cell("B37").text.value_or(""), QStringLiteral("пн"));
        QCOMPARE(sum.Cell("C37").number.value_or(0), 375.0);
        for (int i = 0; i < 3; ++i) {
            const TXlsxCell share = sum.Cell(QString(QChar('G' + i)) + "37");
            QCOMPARE(share.number.value_or(0) * 100,
                     StrToFloat(TListView::SubItem(dayTotal, 4 + i)));
            QCOMPARE(share.numberFormat, QStringLiteral("0.0%"));
        }
        QCOMPARE(sum.Cell("J37").number.value_or(0), 0.19);
        QCOMPARE(sum.Cell("J37").numberFormat, QStringLiteral("0%"));
        QVERIFY(!sum.Cell("C38").HasValue() && sum.Cell("K38").number == 80.1);
        QCOMPARE(sum.Cell("A40").text.value_or(""), QStringLiteral("В среднем:"));
        QCOMPARE(sum.Cell("C40").number.value_or(0), 262.5);
        QCOMPARE(sum.Cell("K40").number.value_or(0), 80.25);
        QCOMPARE(sum.charts.size(), size_t(2));
        QCOMPARE(sum.charts[0].kind + sum.charts[0].categories + sum.charts[0].values,
                 QStringLiteral("lineChart'Дни'!$A$37:$A$39'Дни'!$C$37:$C$39"));
        QCOMPARE(sum.charts[1].values, QStringLiteral("'Дни'!$K$37:$K$39"));

        const TXlsxSheet first = ReadXlsx(path, 2);
        QCOMPARE(first.Cell("B2").text.value_or(""), QStringLiteral("07.12.26"));
        CompareDaySheet(ReadXlsx(own), first, QStringLiteral("07.12.26"));
        QCOMPARE(ReadXlsx(path, 3).Cell("C4").text.value_or(""), QStringLiteral("Творог"));
    }
};

EDOMER_TEST(TestPeriodWorkbook)
#include "TestPeriodWorkbook.moc"
