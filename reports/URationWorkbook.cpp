#include "reports/URationWorkbook.h"

#include "base/UFormat.h"
#include "reports/UEnergyShares.h"
#include "reports/UWorkbookFile.h"
#include "ui/UMessage.h"

#include <QFileInfo>
#include <vector>

const QString kWorkbookFailureText =
    QStringLiteral("Не получается подключится к Excel.Отчет не может быть сохранен. Ошибка:");

namespace {

constexpr int kFrameFill = 34;
constexpr int kRed = 3, kBlue = 5, kGreen = 10, kLightGreen = 35, kLightYellow = 36;

// Number format codes are written with a point whatever the reader's separator.
const QString kOneDecimalFormat = QStringLiteral("0.0");
const QString kPercentFormat = QStringLiteral("0.0%");
const QString kWholeFormat = QStringLiteral("0");

// The charts stand right of the table with one empty column between, one above the other.
constexpr int kChartColumn = 10, kChartTop = 2, kChartRows = 16;

QString Cell(char column, int row) {
    return QLatin1Char(column) + QString::number(row);
}

QString Block(char left, int top, char right, int bottom) {
    return Cell(left, top) + QLatin1Char(':') + Cell(right, bottom);
}

void Frame(TWorkbook& book, const QString& block, const std::vector<int>& edges) {
    TRange range = book.Range(block);
    for (int edge : edges)
        range.SetBorder(edge);
}

const std::vector<int> kRowEdges = {xlEdgeRight, xlEdgeTop, xlEdgeBottom, xlEdgeLeft,
                                    xlInsideVertical};

void WriteRow(TWorkbook& book, const TRacRow& row, int r, bool withBzu) {
    book.Range(Cell('B', r)).SetValue(row.caption);
    book.Range(Cell('C', r)).SetValue(row.sub.value(0));
    book.Range(Cell('D', r)).SetValue(row.sub.value(1));
    book.Range(Cell('E', r)).SetValue(StrToFloat(row.sub.value(2)));
    book.Range(Cell('E', r)).SetNumberFormat(kWholeFormat);
    book.Range(Cell('F', r)).SetValue(StrToFloat(row.sub.value(3)));
    book.Range(Cell('F', r)).SetNumberFormat(kOneDecimalFormat);
    const char last = withBzu ? 'I' : 'F';
    if (withBzu) {
        book.Range(Cell('G', r)).SetValue(StrToFloat(row.sub.value(4)));
        book.Range(Cell('H', r)).SetValue(StrToFloat(row.sub.value(5)));
        book.Range(Cell('I', r)).SetValue(StrToFloat(row.sub.value(6)));
        book.Range(Block('G', r, 'I', r)).SetNumberFormat(kOneDecimalFormat);
    }
    Frame(book, Block('B', r, last, r), kRowEdges);
    if (row.sub.value(1) == kMealTotalText) {
        TRange block = book.Range(Block('B', r, last, r));
        block.SetFontColorIndex(kBlue);
        block.SetBold(true);
        block.SetFillColorIndex(kLightYellow);
        block.SetFillPattern(xlPatternSolid);
    }
}

void WriteSharesTotal(TWorkbook& book, const TRacRow& sums, int t) {
    const QString grams = QStringLiteral("г");
    TRange total = book.Range(Block('B', t, 'I', t));
    total.SetFontColorIndex(kRed);
    total.SetBold(true);
    book.Range(Cell('G', t)).SetValue(sums.sub.value(4) + grams);
    book.Range(Cell('H', t)).SetValue(sums.sub.value(5) + grams);
    book.Range(Cell('I', t)).SetValue(sums.sub.value(6) + grams);
    TRange shareRow = book.Range(Block('B', t + 1, 'I', t + 1));
    shareRow.SetFontColorIndex(kGreen);
    shareRow.SetBold(true);
    // A share shown as 38,8 % is the fraction 0.388.
    const auto shares = EnergyShares(sums);
    const auto texts = EnergyShareTexts(sums);
    for (int i = 0; i < 3; ++i) {
        TRange cell = book.Range(Cell(char('G' + i), t + 1));
        if (shares)
            cell.SetValue(RoundedTo((*shares)[size_t(i)] / 100, 3));
        else
            cell.SetValue(texts[size_t(i)]);
    }
    book.Range(Block('G', t + 1, 'I', t + 1)).SetNumberFormat(kPercentFormat);
    for (int r : {t, t + 1}) {
        TRange fill = book.Range(Block('B', r, 'I', r));
        fill.SetFillColorIndex(kLightGreen);
        fill.SetFillPattern(xlPatternSolid);
    }
    Frame(book, Block('B', t, 'I', t + 1),
          {xlEdgeRight, xlEdgeTop, xlEdgeBottom, xlEdgeLeft, xlInsideVertical, xlInsideHorizontal});
    Frame(book, Block('B', 3, 'I', 3), kRowEdges);
}

void WritePlainTotal(TWorkbook& book, int t) {
    TRange total = book.Range(Block('B', t, 'F', t));
    total.SetFontColorIndex(kRed);
    total.SetBold(true);
    total.SetFillColorIndex(kLightGreen);
    total.SetFillPattern(xlPatternSolid);
    Frame(book, Block('B', t, 'F', t), kRowEdges);
    Frame(book, Block('B', 3, 'F', 3), kRowEdges);
    TRange headings = book.Range(Block('G', 3, 'I', 3));
    headings.ClearContents();
    headings.SetFillColorIndex(xlColorIndexNone);
}

// The pie of the day's energy shares; the slices' names lie under the chart.
void AddSharesChart(TWorkbook& book, int shareRow) {
    const QString names = Block('K', kChartTop + 2, 'K', kChartTop + 4);
    book.Range(Cell('K', kChartTop + 2)).SetValue(QStringLiteral("Белки"));
    book.Range(Cell('K', kChartTop + 3)).SetValue(QStringLiteral("Жиры"));
    book.Range(Cell('K', kChartTop + 4)).SetValue(QStringLiteral("Углеводы"));
    book.AddChart({TChartType::Pie, QStringLiteral("Энергия: белки, жиры, углеводы"), names,
                   Block('G', shareRow, 'I', shareRow), kChartTop, kChartColumn});
}

// One column per meal: its time from the meal's first row, its kcal from its subtotal row.
void AddMealsChart(TWorkbook& book, const TRacTable& table, int top) {
    QStringList times, kcal;
    int first = 0;
    for (int i = 0; i < int(table.rows.size()); ++i) {
        if (table.rows[size_t(i)].sub.value(1) != kMealTotalText)
            continue;
        times.append(Cell('B', first + 4));
        kcal.append(Cell('F', i + 4));
        first = i + 1;
    }
    const QString categories = times.join(QLatin1Char(','));
    const QString values = kcal.join(QLatin1Char(','));
    if (times.size() < 2 || !book.FitsChartSeries(categories) || !book.FitsChartSeries(values))
        return;
    book.AddChart({TChartType::Column, QStringLiteral("Ккал по приёмам пищи"), categories, values,
                   top, kChartColumn});
}

} // namespace

TWorkbook BeginRationWorkbook() {
    TWorkbook book;
    BeginRationSheet(book);
    return book;
}

void BeginRationSheet(TWorkbook& book) {
    book.Range(QStringLiteral("B2")).SetBold(true);
    const QStringList headings = {QStringLiteral("Время"),  QStringLiteral("Продукт"),
                                  QStringLiteral("Порция"), QStringLiteral("Граммы"),
                                  QStringLiteral("ккал"),   QStringLiteral("Б"),
                                  QStringLiteral("Ж"),      QStringLiteral("У")};
    for (int i = 0; i < headings.size(); ++i)
        book.Range(Cell(char('B' + i), 3)).SetValue(headings[i]);
    TRange row = book.Range(QStringLiteral("B3:I3"));
    row.SetBold(true);
    row.SetFillColorIndex(kFrameFill);
    const double widths[] = {7, 30, 18, 8, 9, 7, 7, 7};
    for (int i = 0; i < 8; ++i)
        book.SetColumnWidth(1 + i, widths[i]);
    book.SetFitToPageWidth(true);
}

QString WorkbookTitle(const QString& path) {
    QString name = QFileInfo(path).fileName();
    const int at = name.indexOf(QStringLiteral(".xlsx"));
    if (at >= 0)
        name.remove(at, 5);
    return name;
}

void FillRationWorkbook(TWorkbook& book, const TRacTable& table, bool withBzu,
                        const QString& title) {
    book.Range(QStringLiteral("B2")).SetValue(title);
    const int n = int(table.rows.size());
    for (int i = 0; i < n; ++i)
        WriteRow(book, table.rows[size_t(i)], i + 4, withBzu);
    const TRacRow& sums = table.itog.at(1);
    const int t = n + 4;
    book.Range(Cell('D', t)).SetValue(QStringLiteral("Итого:"));
    book.Range(Cell('E', t)).SetValue(sums.sub.value(2) + QStringLiteral("г"));
    book.Range(Cell('F', t)).SetValue(sums.sub.value(3) + QStringLiteral("кк"));
    if (withBzu)
        WriteSharesTotal(book, sums, t);
    else
        WritePlainTotal(book, t);
    // The page prints the table alone, as wide as it is; the charts stay on the screen.
    book.SetPrintArea(Block('A', 1, 'I', withBzu ? t + 1 : t));
    const bool pie = withBzu && EnergyShares(sums);
    if (pie)
        AddSharesChart(book, t + 1);
    AddMealsChart(book, table, pie ? kChartTop + kChartRows : kChartTop);
}

void ExportRationWorkbook(const TRacTable& table, bool withBzu, QWidget* over) {
    const QString path = AskWorkbookPath(over);
    if (path.isEmpty() || table.rows.empty())
        return;
    TWorkbook book = BeginRationWorkbook();
    FillRationWorkbook(book, table, withBzu, WorkbookTitle(path));
    try {
        SaveAndOpenWorkbook(book, path);
    } catch (const EWorkbookError& error) {
        FMessage->Show(kWorkbookFailureText + error.Message(), over);
    }
}
