// The ration's workbook read back from the written file: cells, number formats, fonts, fills
// and borders, the charts, the title rule, and what the export does with the file.

#include "app/UMain.h"
#include "reports/URationWorkbook.h"
#include "tests/common/TestApp.h"
#include "tests/common/TestRegistry.h"
#include "tests/reports/RationRows.h"
#include "tests/reports/XlsxReader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

const QString kRed = QStringLiteral("FF0000"), kBlue = QStringLiteral("0000FF"),
              kGreen = QStringLiteral("008000"), kLightGreen = QStringLiteral("CCFFCC"),
              kLightYellow = QStringLiteral("FFFF99");
const QString kAllEdges = QStringLiteral("ltrb"), kNoEdges = QStringLiteral("----");

TXlsxSheet Written(const TRacTable& table, bool withBzu, const QString& path) {
    TWorkbook book = BeginRationWorkbook();
    FillRationWorkbook(book, table, withBzu, WorkbookTitle(path));
    book.SaveAs(path);
    return ReadXlsx(path);
}

QString Text(const TXlsxSheet& sheet, const QString& address) {
    return sheet.Cell(address).text.value_or(QStringLiteral("<none>"));
}

QString Columns(char from, char to, int row) {
    QString list;
    for (char c = from; c <= to; ++c)
        list += QLatin1Char(c) + QString::number(row) + QLatin1Char(' ');
    return list;
}

// Each cell of the row from column from to to has this font colour, weight and fill.
void CheckLook(const TXlsxSheet& sheet, char from, char to, int row, const QString& font, bool bold,
               const QString& fill) {
    for (const QString& a : Columns(from, to, row).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const TXlsxCell cell = sheet.Cell(a);
        QVERIFY2(cell.exists, qPrintable(a));
        QVERIFY2(cell.fontColor == font && cell.bold == bold && cell.fill == fill,
                 qPrintable(a + ": " + cell.fontColor + " " + cell.fill));
    }
}

void CheckBorders(const TXlsxSheet& sheet, char from, char to, int row, const QString& edges) {
    for (const QString& a : Columns(from, to, row).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY2(sheet.Cell(a).Borders() == edges, qPrintable(a + ": " + sheet.Cell(a).Borders()));
}

// Each chart as kind|title|categories|values|label format|top-left cell.
QStringList Charts(const TXlsxSheet& sheet) {
    QStringList list;
    for (const TXlsxChart& c : sheet.charts)
        list.append(QStringList{c.kind, c.title, c.categories, c.values, c.labelFormat,
                                QChar('A' + c.column) + QString::number(c.row + 1)}
                        .join('|'));
    return list;
}

QStringList Entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestRationWorkbook : public QObject {
    Q_OBJECT
private slots:
    void LayoutWithNutrients() {
        TLocaleScope comma(TLocaleScope::Comma());
        QTemporaryDir dir;
        const TXlsxSheet sheet = Written(TwoMealTable(), true, dir.filePath("Рацион.xlsx"));
        QVERIFY(sheet.read);
        QCOMPARE(Text(sheet, "B2"), QStringLiteral("Рацион"));
        QVERIFY(sheet.Cell("B2").bold);
        const QStringList headings = {"Время", "Продукт", "Порция", "Граммы",
                                      "ккал",  "Б",       "Ж",      "У"};
        for (int i = 0; i < headings.size(); ++i) {
            const QString a = QString(QChar('B' + i)) + "3";
            QCOMPARE(Text(sheet, a), headings[i]);
            QVERIFY(sheet.Cell(a).bold && !sheet.Cell(a).fill.isEmpty());
        }
        CheckBorders(sheet, 'B', 'I', 3, kAllEdges);
        QVERIFY(sheet.columnWidths.at(3) > sheet.columnWidths.at(2));

        // Entry rows: texts as shown, energy and nutrients as real numbers of one decimal.
        QCOMPARE(Text(sheet, "B4"), QStringLiteral("08:00"));
        QCOMPARE(Text(sheet, "C4"), QStringLiteral("Творог"));
        QCOMPARE(Text(sheet, "D5"), QStringLiteral("2 * тарелка"));
        for (const auto& [a, grams] : {std::pair{"E4", 200}, {"E6", 600}, {"E9", 250}}) {
            QVERIFY2(sheet.Cell(a).number == grams && !sheet.Cell(a).text, a);
            QCOMPARE(sheet.Cell(a).numberFormat, QStringLiteral("0"));
        }
        QVERIFY(!sheet.Cell("B5").HasValue());
        const std::pair<const char*, double> numbers[] = {
            {"F4", 150}, {"G4", 5},   {"H4", 3},   {"I4", 25},   {"F8", 527.5},
            {"G8", 13},  {"F6", 390}, {"I9", 105}, {"F9", 627.5}};
        for (const auto& [a, value] : numbers) {
            QVERIFY2(sheet.Cell(a).number == value, a);
            QCOMPARE(sheet.Cell(a).numberFormat, QStringLiteral("0.0"));
        }
        for (int r = 4; r <= 9; ++r) {
            CheckBorders(sheet, 'B', 'I', r, kAllEdges);
            QVERIFY(!sheet.Cell("J" + QString::number(r)).exists);
        }
        CheckLook(sheet, 'B', 'I', 4, QString(), false, QString());
        CheckLook(sheet, 'B', 'I', 8, QString(), false, QString());

        // Meal subtotals where the table has them.
        for (int r : {6, 9}) {
            QCOMPARE(Text(sheet, "D" + QString::number(r)), QStringLiteral("Итого за прием:"));
            CheckLook(sheet, 'B', 'I', r, kBlue, true, kLightYellow);
        }

        // The day's total and its shares of the energy, framed together.
        QCOMPARE(Text(sheet, "D10"), QStringLiteral("Итого:"));
        QCOMPARE(Text(sheet, "E10"), QStringLiteral("850г"));
        QCOMPARE(Text(sheet, "F10"), QStringLiteral("1017,5кк"));
        QCOMPARE(Text(sheet, "G10"), QStringLiteral("50,0г"));
        QCOMPARE(Text(sheet, "H10"), QStringLiteral("40,0г"));
        QCOMPARE(Text(sheet, "I10"), QStringLiteral("150,0г"));
        CheckLook(sheet, 'B', 'I', 10, kRed, true, kLightGreen);
        // The shares as the fractions of the percentages shown: 17,2 % is 0.172.
        for (const auto& [a, share] : {std::pair{"G11", 0.172}, {"H11", 0.312}, {"I11", 0.516}}) {
            QVERIFY2(qFuzzyCompare(sheet.Cell(a).number.value_or(0), share), a);
            QCOMPARE(sheet.Cell(a).numberFormat, QStringLiteral("0.0%"));
        }
        QVERIFY(!sheet.Cell("B11").HasValue());
        CheckLook(sheet, 'B', 'I', 11, kGreen, true, kLightGreen);
        CheckBorders(sheet, 'B', 'I', 10, kAllEdges);
        CheckBorders(sheet, 'B', 'I', 11, kAllEdges);
        QVERIFY(!sheet.Cell("B12").exists && !sheet.Cell("J10").exists);

        // The page prints the table alone; the charts stand right of it, one above the other.
        QCOMPARE(sheet.printArea, QStringLiteral("Sheet1!$A$1:$I$11"));
        QCOMPARE(Charts(sheet),
                 QStringList({"pieChart|Энергия: белки, жиры, углеводы|Sheet1!$K$4:$K$6|"
                              "Sheet1!$G$11:$I$11|0.0%|K3",
                              "barChart|Ккал по приёмам пищи|(Sheet1!$B$4,Sheet1!$B$7)|"
                              "(Sheet1!$F$6,Sheet1!$F$9)|0.0|K19"}));
        QCOMPARE(Text(sheet, "K4") + Text(sheet, "K5") + Text(sheet, "K6"),
                 QStringLiteral("БелкиЖирыУглеводы"));
    }

    void ShareOfZeroIsNeverNegative() {
        TLocaleScope comma(TLocaleScope::Comma());
        QTemporaryDir dir;
        const TRacTable fat =
            WithTotals({Row("08:00", {"Сало", "15г", "15", "139,0", "1,0", "15,0", "0,0"}, 0)},
                       {"15", "139,0", "1,0", "15,0", "0,0"});
        const TXlsxSheet sheet = Written(fat, true, dir.filePath("r.xlsx"));
        QVERIFY(sheet.read);
        QVERIFY(qFuzzyCompare(sheet.Cell("H6").number.value_or(0), 0.971));
        QCOMPARE(sheet.Cell("I6").number, std::optional<double>(0));
        QVERIFY(!std::signbit(*sheet.Cell("I6").number));
    }

    void LayoutWithoutNutrients() {
        TLocaleScope comma(TLocaleScope::Comma());
        QTemporaryDir dir;
        const TXlsxSheet sheet = Written(TwoMealTable(), false, dir.filePath("r.xlsx"));
        QVERIFY(sheet.read);
        QCOMPARE(Text(sheet, "F3"), QStringLiteral("ккал"));
        CheckBorders(sheet, 'B', 'F', 3, kAllEdges);
        for (const char* a : {"G3", "H3", "I3"}) {
            QVERIFY2(!sheet.Cell(a).HasValue() && sheet.Cell(a).fill.isEmpty(), a);
            QCOMPARE(sheet.Cell(a).Borders(), kNoEdges);
        }
        for (int r = 4; r <= 9; ++r) {
            CheckBorders(sheet, 'B', 'F', r, kAllEdges);
            for (const char* c : {"G", "H", "I"})
                QVERIFY(!sheet.Cell(c + QString::number(r)).exists);
        }
        QCOMPARE(sheet.Cell("F7").number, std::optional<double>(100));
        CheckLook(sheet, 'B', 'F', 9, kBlue, true, kLightYellow);
        QCOMPARE(Text(sheet, "E10"), QStringLiteral("850г"));
        QCOMPARE(Text(sheet, "F10"), QStringLiteral("1017,5кк"));
        CheckLook(sheet, 'B', 'F', 10, kRed, true, kLightGreen);
        CheckBorders(sheet, 'B', 'F', 10, kAllEdges);
        QVERIFY(!sheet.Cell("G10").exists && !sheet.Cell("B11").exists &&
                !sheet.Cell("G11").exists);
        QCOMPARE(sheet.printArea, QStringLiteral("Sheet1!$A$1:$I$10"));
        QCOMPARE(Charts(sheet).size(), 1);
        QVERIFY(Charts(sheet)[0].startsWith("barChart") && Charts(sheet)[0].endsWith("|K3"));
        QVERIFY(!sheet.Cell("K4").exists);
    }

    // The column chart wants the subtotals and two meals at least, and references that a
    // spreadsheet accepts.
    void MealsChartOnlyForMealSubtotals() {
        TLocaleScope comma(TLocaleScope::Comma());
        QTemporaryDir dir;
        const auto meals = [](int count, bool subtotals) {
            std::vector<TRacRow> rows;
            for (int m = 0; m < count; ++m) {
                rows.push_back(Row(QString::number(m + 8) + ":00",
                                   {"Чай", "100г", "100", "10,0", "1,0", "0,0", "2,0"}, m));
                if (subtotals)
                    rows.push_back(
                        Row("", {"", kMealTotalText, "100", "10,0", "1,0", "0,0", "2,0"}));
            }
            return WithTotals(rows, {"100", "10,0", "1,0", "0,0", "2,0"});
        };
        const auto kinds = [&](const TRacTable& table) {
            return Charts(Written(table, true, dir.filePath("m.xlsx")))
                .replaceInStrings(QRegularExpression("\\|.*"), QString());
        };
        QCOMPARE(kinds(meals(1, true)), QStringList{"pieChart"});
        QCOMPARE(kinds(meals(3, false)), QStringList{"pieChart"});
        QCOMPARE(kinds(meals(18, true)), (QStringList{"pieChart", "barChart"}));
        QCOMPARE(kinds(meals(25, true)), QStringList{"pieChart"});
    }

    void DayWithoutNutrientsInAPointLocale() {
        TLocaleScope point(TLocaleScope::Point());
        QTemporaryDir dir;
        const TRacTable table =
            WithTotals({Row("21:15", {"Чай", "250г", "250", "2.5", "0.0", "0.0", "0.0"}, 0)},
                       {"250", "2.5", "0.0", "0.0", "0.0"});
        const TXlsxSheet sheet = Written(table, true, dir.filePath("tea.xlsx"));
        QCOMPARE(sheet.Cell("F4").number, std::optional<double>(2.5));
        QCOMPARE(Text(sheet, "F5"), QStringLiteral("2.5кк"));
        for (const char* a : {"G6", "H6", "I6"})
            QCOMPARE(Text(sheet, a), QStringLiteral("?%"));
        QVERIFY(sheet.charts.empty());
    }

    void TitleDropsTheFirstExactExtension() {
        QCOMPARE(WorkbookTitle("/home/u/a.xlsx.xlsx"), QStringLiteral("a.xlsx"));
        QCOMPARE(WorkbookTitle("/home/u/Рацион.XLSX"), QStringLiteral("Рацион.XLSX"));
        QCOMPARE(WorkbookTitle("/home/u.xlsx/день.xlsx"), QStringLiteral("день"));
        QCOMPARE(WorkbookTitle("/home/u/a.xlsxb.xlsx"), QStringLiteral("ab.xlsx"));
    }

    void ExportWritesReplacesAndOpens() {
        TTestApp app;
        QTemporaryDir dir;
        const QString path = dir.filePath("a.xlsx.xlsx");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("прежний файл");
        }
        app.Seams.AnswerSaveFile(path);
        ExportRationWorkbook(TwoMealTable(), true, fMain);
        QCOMPARE(app.Seams.SaveDialogs, QStringList{"xlsx|*.xlsx"});
        QCOMPARE(Text(ReadXlsx(path), "B2"), QStringLiteral("a.xlsx"));
        QCOMPARE(Entries(dir.path()), QStringList{"a.xlsx.xlsx"});
        QCOMPARE(app.Seams.OpenedDocuments, QStringList{path});
        QVERIFY(app.Seams.Messages().isEmpty() && app.Seams.Errors().isEmpty());

        // A desktop without a spreadsheet program says nothing more.
        app.Seams.OpenDocumentResult = false;
        app.Seams.AnswerSaveFile(dir.filePath("b.xlsx"));
        ExportRationWorkbook(TwoMealTable(), false, fMain);
        QVERIFY(ReadXlsx(dir.filePath("b.xlsx")).read);
        QVERIFY(app.Seams.Messages().isEmpty() && app.Seams.Errors().isEmpty());
    }

    void CancelledOrEmptyExportWritesNothing() {
        TTestApp app;
        QTemporaryDir dir;
        ExportRationWorkbook(TwoMealTable(), true, fMain);
        app.Seams.AnswerSaveFile(dir.filePath("empty.xlsx"));
        ExportRationWorkbook(TRacTable(), true, fMain);
        QCOMPARE(app.Seams.SaveDialogs.size(), 2);
        QVERIFY(Entries(dir.path()).isEmpty());
        QVERIFY(app.Seams.OpenedDocuments.isEmpty() && app.Seams.Messages().isEmpty());
    }

    void UnwritableFileIsReportedAndLeavesNothing() {
        TTestApp app;
        QTemporaryDir dir;
        app.Seams.AnswerSaveFile(dir.filePath("нет/r.xlsx"));
        ExportRationWorkbook(TwoMealTable(), true, fMain);
        // The target is a folder: the workbook is written beside it but cannot take its place.
        QVERIFY(QDir(dir.path()).mkdir("taken.xlsx"));
        app.Seams.AnswerSaveFile(dir.filePath("taken.xlsx"));
        ExportRationWorkbook(TwoMealTable(), true, fMain);
        QCOMPARE(app.Seams.Messages().size(), 2);
        for (const QString& message : app.Seams.Messages())
            QVERIFY2(message.startsWith(kWorkbookFailureText) &&
                         message.size() > kWorkbookFailureText.size(),
                     qPrintable(message));
        QCOMPARE(Entries(dir.path()), QStringList{"taken.xlsx"});
        QVERIFY(QFileInfo(dir.filePath("taken.xlsx")).isDir());
        QVERIFY(app.Seams.OpenedDocuments.isEmpty() && app.Seams.Errors().isEmpty());
        // A bad print area fails mid-writing: told in words, the writer's workbook freed.
        TWorkbook book = BeginRationWorkbook();
        book.SetPrintArea(QStringLiteral("A1:I0"));
        try {
            book.SaveAs(dir.filePath("bad.xlsx"));
            QFAIL("a bad print area was written");
        } catch (const EAppError& error) {
            QCOMPARE(error.Message(), QStringLiteral("«I0» — не адрес ячейки"));
        }
        QCOMPARE(Entries(dir.path()), QStringList{"taken.xlsx"});
    }
};

EDOMER_TEST(TestRationWorkbook)
#include "TestRationWorkbook.moc"
