#pragma once
// A spreadsheet workbook, kept in memory cell by cell while a report fills its worksheets
// through A1 addresses ("F12", "B12:I12") and written once as an .xlsx file at the save.
// Edge indexes, colour indexes and patterns are the spreadsheet's classic numbers; an address,
// colour, edge or pattern the workbook does not know is refused with an EAppError in words.

#include "base/UErrors.h"

#include <QDate>
#include <QString>
#include <deque>
#include <map>
#include <utility>
#include <variant>
#include <vector>

// Writing the file failed; the message says why in the system's or the writer's words.
class EWorkbookError : public EAppError {
public:
    using EAppError::EAppError;
};

enum TBorderEdge {
    xlEdgeLeft = 7,
    xlEdgeTop = 8,
    xlEdgeBottom = 9,
    xlEdgeRight = 10,
    xlInsideVertical = 11,
    xlInsideHorizontal = 12
};

constexpr int xlColorIndexNone = -4142;
constexpr int xlPatternSolid = 1;

// The RGB of a colour index of the default palette (red 3, blue 5, green 10, light turquoise
// 34, light green 35, light yellow 36); any other index is refused.
unsigned PaletteColor(int colorIndex);

struct TCellStyle {
    QString numberFormat;
    bool bold = false;
    int fontColor = 0;                                             // colour index, 0 = automatic
    int fillColor = 0;                                             // colour index, 0 = no fill
    bool left = false, top = false, right = false, bottom = false; // thin continuous lines

    bool operator<(const TCellStyle& other) const;
    bool operator==(const TCellStyle& other) const { return !(*this < other || other < *this); }
};

struct TCell {
    std::variant<std::monostate, QString, double, QDate> value;
    TCellStyle style;
};

enum class TChartType { Pie, Column, Line };

// A further line of a line chart, over the same categories.
struct TChartSeries {
    QString name;
    QString values;
};

// A chart over the worksheet's own cells, so that it follows their edits. Categories and
// values are an A1 block ("G11:I11") or, where the points lie apart, cells listed with commas
// ("F6,F9"). Each point of a pie or column chart is labelled with its value in the number
// format of the first value cell, a pie's also with its category; there is no legend. A line
// chart has no labels, its points marked and its lines named in a legend under it.
struct TChart {
    TChartType type = TChartType::Column;
    QString title;
    QString categories, values;
    int row = 0, column = 0; // 0-based cell under the chart's top-left corner
    QString name{};          // a line chart's first line
    std::vector<TChartSeries> more{};
    QString valueAxisTitle{};
    double widthScale = 1, heightScale = 1; // of the spreadsheet's default size
    bool joinGaps = false;                  // a line runs on over empty cells
};

class TWorkbook;

// A block of cells of the worksheet; every setter applies to each of its cells.
class TRange {
public:
    void SetValue(const QString& text);
    void SetValue(double number);
    // A real date cell; it needs a date number format to read as one.
    void SetValue(const QDate& date);
    void SetNumberFormat(const QString& format);
    // A thin continuous line along the edge or between the cells.
    void SetBorder(int edge);
    void SetFontColorIndex(int colorIndex);
    void SetBold(bool bold);
    // A palette colour fills the cells solidly; xlColorIndexNone removes the fill.
    void SetFillColorIndex(int colorIndex);
    void SetFillPattern(int pattern);
    void ClearContents();

private:
    friend class TWorkbook;
    TRange(TWorkbook& book, int top, int left, int bottom, int right)
        : FBook(book), FTop(top), FLeft(left), FBottom(bottom), FRight(right) {}
    template <class F> void ForEach(F&& apply);

    TWorkbook& FBook;
    int FTop, FLeft, FBottom, FRight; // 0-based, inclusive
};

// A workbook of named worksheets in the order they were added. Every call below but
// AddSheet and SaveAs works on the last worksheet added.
class TWorkbook {
public:
    explicit TWorkbook(const QString& firstSheet = QStringLiteral("Sheet1"));
    // Begins a new worksheet after the others.
    void AddSheet(const QString& name);

    // The cell or block at an A1 address such as "F12" or "B12:I12".
    TRange Range(const QString& address);
    // The cell at 0-based row and column; a cell never touched reads empty and unstyled.
    TCell Cell(int row, int column) const;
    void SetColumnWidth(int column, double width);
    // The 0-based column as wide as its widest value from the 1-based row on, as shown.
    void FitColumnWidth(int column, int fromRow);
    // Printing scales the sheet down to the width of one page.
    void SetFitToPageWidth(bool fit) { Sheet().fitToPageWidth = fit; }
    // Printing takes only this block ("A1:I11"); without one, whatever the sheet holds.
    void SetPrintArea(const QString& block) { Sheet().printArea = block; }
    // Printing on A4 turned sideways.
    void SetLandscapeA4() { Sheet().landscapeA4 = true; }
    // Printing repeats the 1-based row at the top of every page.
    void SetPrintTitleRow(int row) { Sheet().titleRow = row; }
    void AddChart(const TChart& chart) { Sheet().charts.push_back(chart); }
    // Spreadsheets refuse a series reference longer than 255 characters; whether the cells
    // of this worksheet fit.
    bool FitsChartSeries(const QString& cells) const;

    // Writes the file through a temporary file beside it, so that a failure leaves
    // neither a half-written file nor a changed one behind.
    void SaveAs(const QString& path) const;

private:
    friend class TRange;
    struct TSheet {
        QString name;
        std::map<std::pair<int, int>, TCell> cells;
        std::map<int, double> columnWidths;
        bool fitToPageWidth = false;
        QString printArea;
        bool landscapeA4 = false;
        int titleRow = 0;
        std::vector<TChart> charts;
    };
    TSheet& Sheet() { return FSheets.back(); }
    const TSheet& Sheet() const { return FSheets.back(); }
    TCell& At(int row, int column) { return Sheet().cells[{row, column}]; }

    std::deque<TSheet> FSheets;
};
