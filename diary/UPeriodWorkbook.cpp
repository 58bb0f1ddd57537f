#include "diary/UPeriodWorkbook.h"

#include "base/UFormat.h"
#include "ration/URacionStore.h"
#include "reports/URationWorkbook.h"
#include "reports/UWorkbookFile.h"
#include "store/UDM.h"
#include "ui/UMainWindowFace.h"

#include <array>
#include <map>

namespace {

constexpr int kFrameFill = 34;
const QString kDateFormat = QStringLiteral("dd.mm.yy");
const QString kOneDecimalFormat = QStringLiteral("0.0");
const QString kShareFormat = QStringLiteral("0.0%");
const QString kNormFormat = QStringLiteral("0%");
const QString kWholeFormat = QStringLiteral("0");

// Columns of the summary sheet, 0-based: date, day, kcal, Б, Ж, У, three shares, % of the
// norm, weight and, with a norm, the norm itself for its line on the chart.
enum {
    cDate,
    cDay,
    cKkal,
    cBel,
    cZir,
    cUgl,
    cShareBel,
    cShareZir,
    cShareUgl,
    cNorm,
    cVes,
    cNormKkal
};

// The charts stand above the table, each as wide as it and this many rows high.
constexpr int kChartTop = 2, kChartRows = 16;
constexpr double kChartWidthScale = 1.4;

QString Address(int row, int column) {
    return QChar('A' + column) + QString::number(row);
}

QString Block(int top, int left, int bottom, int right) {
    return Address(top, left) + QLatin1Char(':') + Address(bottom, right);
}

// The sums of a day or the means of several, with the weight beside them.
struct TFigures {
    std::optional<double> kkal, bel, zir, ugl, ves;
};

// The shares of Б, Ж, У in the energy, as the day total's percent row computes them.
std::array<double, 3> Shares(double bel, double zir, double ugl) {
    TRacRow sums, total;
    sums.sub = QStringList{QString(),
                           QString(),
                           QStringLiteral("0"),
                           QStringLiteral("0"),
                           FormatOneDecimal(bel),
                           FormatOneDecimal(zir),
                           FormatOneDecimal(ugl)};
    total.sub = QStringList(7);
    FillDayTotal(total, sums, true);
    return {RoundedTo(StrToFloat(total.sub[4]) / 100, 3),
            RoundedTo(StrToFloat(total.sub[5]) / 100, 3),
            RoundedTo(StrToFloat(total.sub[6]) / 100, 3)};
}

class TSummarySheet {
public:
    TSummarySheet(TWorkbook& book, std::optional<double> normKkal)
        : FBook(book), FNorm(normKkal && *normKkal > 0 ? normKkal : std::nullopt),
          FLast(FNorm ? cNormKkal : cVes) {}

    void Headings(int row, const QString& first, const QString& second) {
        QStringList texts = {first,
                             second,
                             QStringLiteral("ккал"),
                             QStringLiteral("Б"),
                             QStringLiteral("Ж"),
                             QStringLiteral("У"),
                             QStringLiteral("Б, %"),
                             QStringLiteral("Ж, %"),
                             QStringLiteral("У, %"),
                             QStringLiteral("% нормы"),
                             QStringLiteral("Вес")};
        if (FNorm)
            texts.append(QStringLiteral("Норма"));
        for (int c = 0; c < texts.size(); ++c)
            FBook.Range(Address(row, c)).SetValue(texts[c]);
        TRange block = FBook.Range(Block(row, cDate, row, FLast));
        block.SetBold(true);
        block.SetFillColorIndex(kFrameFill);
        Frame(row);
    }

    void Row(int row, const TFigures& f) {
        Number(row, cKkal, f.kkal, kOneDecimalFormat);
        Number(row, cBel, f.bel, kOneDecimalFormat);
        Number(row, cZir, f.zir, kOneDecimalFormat);
        Number(row, cUgl, f.ugl, kOneDecimalFormat);
        if (f.bel && f.zir && f.ugl) {
            const std::array<double, 3> shares = Shares(*f.bel, *f.zir, *f.ugl);
            for (int i = 0; i < 3; ++i)
                Number(row, cShareBel + i, shares[size_t(i)], kShareFormat);
        }
        if (f.kkal && FNorm)
            Number(row, cNorm, double(RoundHalfEven(*f.kkal * 100 / *FNorm)) / 100, kNormFormat);
        Number(row, cVes, f.ves, kOneDecimalFormat);
        if (FNorm)
            Number(row, cNormKkal, *FNorm, kWholeFormat);
        Frame(row);
    }

    void Date(int row, int column, const QDate& date) {
        TRange cell = FBook.Range(Address(row, column));
        cell.SetValue(date);
        cell.SetNumberFormat(kDateFormat);
    }

    int Last() const { return FLast; }
    bool HasNorm() const { return bool(FNorm); }

private:
    void Number(int row, int column, std::optional<double> value, const QString& format) {
        TRange cell = FBook.Range(Address(row, column));
        if (value)
            cell.SetValue(*value);
        cell.SetNumberFormat(format);
    }

    void Frame(int row) {
        TRange block = FBook.Range(Block(row, cDate, row, FLast));
        for (int edge : {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideVertical})
            block.SetBorder(edge);
    }

    TWorkbook& FBook;
    std::optional<double> FNorm;
    int FLast;
};

TFigures Means(const std::vector<const TDiaryDay*>& days, const std::vector<double>& weights) {
    TFigures f;
    if (!days.empty()) {
        double kkal = 0, bel = 0, zir = 0, ugl = 0;
        for (const TDiaryDay* d : days) {
            kkal += d->kkal;
            bel += d->bel;
            zir += d->zir;
            ugl += d->ugl;
        }
        const double n = double(days.size());
        f = {kkal / n, bel / n, zir / n, ugl / n, std::nullopt};
    }
    if (!weights.empty()) {
        double sum = 0;
        for (double w : weights)
            sum += w;
        f.ves = sum / double(weights.size());
    }
    return f;
}

// A listed date with its day and weight where there are.
struct TDated {
    const TDiaryDay* day = nullptr;
    std::optional<double> ves;
};

void AddCharts(TWorkbook& book, const TSummarySheet& sheet, int first, int last, bool weights) {
    const QString dates = Block(first, cDate, last, cDate);
    TChart kkal;
    kkal.type = TChartType::Line;
    kkal.title = QStringLiteral("Ккал по дням");
    kkal.categories = dates;
    kkal.values = Block(first, cKkal, last, cKkal);
    kkal.name = QStringLiteral("ккал");
    if (sheet.HasNorm())
        kkal.more.push_back({QStringLiteral("Норма"), Block(first, cNormKkal, last, cNormKkal)});
    kkal.valueAxisTitle = QStringLiteral("ккал");
    kkal.row = kChartTop;
    kkal.widthScale = kChartWidthScale;
    book.AddChart(kkal);
    if (!weights)
        return;
    TChart ves = kkal;
    ves.title = QStringLiteral("Вес по дням");
    ves.values = Block(first, cVes, last, cVes);
    ves.name = QStringLiteral("Вес");
    ves.more.clear();
    ves.valueAxisTitle = QStringLiteral("Вес, кг");
    ves.joinGaps = true;
    ves.row = kChartTop + kChartRows;
    book.AddChart(ves);
}

void FillSummary(TWorkbook& book, const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                 const std::vector<TWeight>& weights, std::optional<double> normKkal) {
    std::map<QDate, TDated> listed;
    for (const TDiaryDay& d : days)
        listed[d.date].day = &d;
    for (const TWeight& w : weights)
        listed[w.date].ves = w.ves;

    TSummarySheet sheet(book, normKkal);
    TRange title = book.Range(QStringLiteral("A1"));
    title.SetValue(
        QStringLiteral("Дневник питания %1 – %2")
            .arg(FormatDdMmYy(FirstDayOf(period, days, weights)), FormatDdMmYy(period.to)));
    title.SetBold(true);

    const int charts = listed.empty() ? 0 : (weights.empty() ? 1 : 2);
    const int header = kChartTop + 2 + charts * kChartRows;
    sheet.Headings(header, QStringLiteral("Дата"), QStringLiteral("День"));
    int row = header + 1;
    std::vector<const TDiaryDay*> all;
    std::vector<double> allWeights;
    for (const auto& [date, item] : listed) {
        sheet.Date(row, cDate, date);
        book.Range(Address(row, cDay)).SetValue(WeekDayName(date));
        TFigures f;
        if (item.day) {
            f = {item.day->kkal, item.day->bel, item.day->zir, item.day->ugl, std::nullopt};
            all.push_back(item.day);
        }
        f.ves = item.ves;
        if (item.ves)
            allWeights.push_back(*item.ves);
        sheet.Row(row++, f);
    }
    if (charts > 0)
        AddCharts(book, sheet, header + 1, row - 1, charts > 1);
    book.Range(Address(row, cDate)).SetValue(QStringLiteral("В среднем:"));
    sheet.Row(row, Means(all, allWeights));
    book.Range(Block(row, cDate, row, sheet.Last())).SetBold(true);

    // The weeks from Monday to Sunday, each over its own days and weights.
    row += 2;
    sheet.Headings(row++, QStringLiteral("Неделя с"), QStringLiteral("Дней"));
    std::map<QDate, std::pair<std::vector<const TDiaryDay*>, std::vector<double>>> weeks;
    for (const auto& [date, item] : listed) {
        auto& week = weeks[date.addDays(1 - date.dayOfWeek())];
        if (item.day)
            week.first.push_back(item.day);
        if (item.ves)
            week.second.push_back(*item.ves);
    }
    for (const auto& [monday, week] : weeks) {
        sheet.Date(row, cDate, monday);
        book.Range(Address(row, cDay)).SetValue(double(week.first.size()));
        sheet.Row(row++, Means(week.first, week.second));
    }

    for (int c = cDate; c <= sheet.Last(); ++c)
        book.FitColumnWidth(c, header);
    book.SetLandscapeA4();
    book.SetFitToPageWidth(true);
    book.SetPrintTitleRow(header);
}

} // namespace

QString PeriodWorkbookName(const TDiaryPeriod& period) {
    return QStringLiteral("Дневник %1-%2.xlsx")
        .arg(FormatDdMmYy(FirstDayOf(period, {}, {})), FormatDdMmYy(period.to));
}

TWorkbook BuildPeriodWorkbook(const TDiaryPeriod& period, const std::vector<TDiaryDay>& days,
                              const std::vector<TWeight>& weights, std::optional<double> normKkal,
                              const TDayTableOptions& options) {
    TWorkbook book(QStringLiteral("Дни"));
    FillSummary(book, period, days, weights, normKkal);
    TReadScope scope(DM->ADOTrans);
    TStoreRacLookups lookups;
    for (const TDiaryDay& day : days) {
        // An empty saved ration has no table, as the day's own export writes none.
        const TArraySave ration = LoadRacion(day.id_rac);
        if (ration.empty())
            continue;
        const QString name = FormatDdMmYy(day.date);
        book.AddSheet(name);
        BeginRationSheet(book);
        FillRationWorkbook(book, BuildRacTable(ration, options.view, lookups), options.withBzu,
                           name);
    }
    return book;
}

void ExportPeriodWorkbook(const TDiaryPeriod& period, std::optional<double> normKkal,
                          QWidget* over) {
    TConnection& conn = DM->ADOTrans;
    const std::vector<TDiaryDay> days = ReadDiaryDays(conn, period.from, period.to);
    const std::vector<TWeight> weights = ReadWeights(conn, period.from, period.to);
    const TDiaryPeriod shown = {FirstDayOf(period, days, weights), period.to};
    const QString path = AskWorkbookPath(over, PeriodWorkbookName(shown));
    if (path.isEmpty())
        return;
    const TMainWindowFace* main = MainWindow();
    TDayTableOptions options;
    if (main)
        options = {{main->OptionChecked(QStringLiteral("CB1")),
                    main->OptionChecked(QStringLiteral("CB4"))},
                   main->OptionChecked(QStringLiteral("CB2"))};
    SaveAndOpenWorkbook(BuildPeriodWorkbook(shown, days, weights, normKkal, options), path);
}
