// The export buttons over the ration the main window shows.

#include "app/UMain.h"
#include "reports/URationWorkbook.h"
#include "reports/Unit1.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/reports/XlsxReader.h"
#include "ui/USkin.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Творог at 08:00 in grams, Хлеб at 08:00 in two portions of "ломтик", Кефир at 13:30.
void ShowRation() {
    const int curd = AddProduct(QStringLiteral("Творог"), 1, 75);
    const int bread = AddProduct(QStringLiteral("Хлеб"), 1, 250);
    const int slice = AddMeasure(bread, QStringLiteral("ломтик"), 30, 75);
    const int kefir = AddProduct(QStringLiteral("Кефир"), 1, 50);
    ArraySave = {{8.0 / 24, curd, true, 200, 0, 0, 150, 5, 3, 25},
                 {8.0 / 24, bread, false, 60, slice, 2, 150, 4.5, 1.5, 30},
                 {13.5 / 24, kefir, true, 250, 0, 0, 125, 8, 5, 10}};
    fMain->CB1->setChecked(true);
    fMain->APaintLVRAc();
    fMain->AEnable();
}

} // namespace

class TestExportButtons : public QObject {
    Q_OBJECT
private slots:
    void ForumCodeButtonShowsTheTable() {
        TTestApp app;
        fMain->ButHTML->click();
        QVERIFY(app.Seams.ModalShown.isEmpty()); // an empty ration shows nothing

        ShowRation();
        QString code;
        app.Seams.OnModalOf<TfHTML>([&](TfHTML* d) { code = d->RE->toPlainText(); });
        fMain->ButHTML->click();
        QVERIFY(code.startsWith(QStringLiteral("[FONT=courier new][table]")));
        QVERIFY(code.contains(QStringLiteral("[tr][td][/td][td]Хлеб[/td][td]2 * ломтик[/td]"
                                             "[td]60[/td][td]150,0[/td][td]4,5[/td]")));
        QVERIFY(code.contains(QStringLiteral("[color=red][b]510г[/b][/color][/td]"
                                             "[td][color=red][b]425,0к[/b][/color][/td]"
                                             "[td][color=red][b]17,5г[/b]")));
        QCOMPARE(code.count(QStringLiteral("Итого:")), 2);
        QVERIFY(code.endsWith(QStringLiteral("[URL=") + TfMain::kWebAddress +
                              QStringLiteral("]Едомер[/URL]")));

        fMain->CB2->click();
        app.Seams.OnModalOf<TfHTML>([&](TfHTML* d) { code = d->RE->toPlainText(); });
        fMain->ButHTML->click();
        QVERIFY(!code.contains(QStringLiteral("[td]Б[/td]")) && !code.contains('%'));
        QVERIFY(app.Seams.Unexpected.isEmpty());
    }

    void WorkbookButtonWritesTheTable() {
        TTestApp app;
        ShowRation();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("день.xlsx"));
        app.Seams.AnswerSaveFile(path);
        fMain->ButExcel->click();
        const TXlsxSheet sheet = ReadXlsx(path);
        QCOMPARE(sheet.Cell("B2").text, std::optional<QString>(QStringLiteral("день")));
        QCOMPARE(sheet.Cell("C5").text, std::optional<QString>(QStringLiteral("Хлеб")));
        QCOMPARE(sheet.Cell("D6").text, std::optional<QString>(kMealTotalText));
        QCOMPARE(sheet.Cell("F6").number, std::optional<double>(300));
        QCOMPARE(sheet.Cell("E9").text, std::optional<QString>(QStringLiteral("510г")));
        QCOMPARE(sheet.Cell("I9").text, std::optional<QString>(QStringLiteral("65,0г")));
        QVERIFY(sheet.Cell("G10").number && sheet.Cell("G10").numberFormat == "0.0%");
        QCOMPARE(app.Seams.OpenedDocuments, QStringList{path});
    }
};

EDOMER_TEST(TestExportButtons)
#include "TestExportButtons.moc"
