#pragma once
// A spreadsheet workbook of one worksheet, kept in memory cell by cell while a report fills
// it through A1 addresses ("F12", "B12:I12") and written once as an .xlsx file at the save.
// Edge indexes, colour indexes and patterns are the spreadsheet's classic numbers; an address,
// colour, edge or pattern the workbook does not know is refused with an EAppError in words.

#include "base/UErrors.h"

#include <QString>
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
    std::variant<std::monostate, QString, double> value;
    TCellStyle style;
};

enum class TChartType { Pie, Column };

// A chart over the worksheet's own cells, so that it follows their edits. Categories and
// values are an A1 block ("G11:I11") or, where the points lie apart, cells listed with commas
// ("F6,F9"). Each point is labelled with its value in the number format of the first value
// cell, a pie's also with its category; there is no legend.
struct TChart {
    TChartType type = TChartType::Column;
    QString title;
    QString categories, values;
    int row = 0, column = 0; // 0-based cell under the chart's top-left corner
};

// Spreadsheets refuse a series reference longer than 255 characters; whether the cells fit.
bool FitsChartSeries(const QString& cells);

class TWorkbook;

// A block of cells of the worksheet; every setter applies to each of its cells.
class TRange {
public:
    void SetValue(const QString& text);
    void SetValue(double number);
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

class TWorkbook {
public:
    // The cell or block at an A1 address such as "F12" or "B12:I12".
    TRange Range(const QString& address);
    // The cell at 0-based row and column; a cell never touched reads empty and unstyled.
    TCell Cell(int row, int column) const;
    void SetColumnWidth(int column, double width);
    // Printing scales the sheet down to the width of one page.
    void SetFitToPageWidth(bool fit) { FFitToPageWidth = fit; }
    // Printing takes only this block ("A1:I11"); without one, whatever the sheet holds.
    void SetPrintArea(const QString& block) { FPrintArea = block; }
    void AddChart(const TChart& chart) { FCharts.push_back(chart); }

    // Writes the file through a temporary file beside it, so that a failure leaves
    // neither a half-written file nor a changed one behind.
    void SaveAs(const QString& path) const;

private:
    friend class TRange;
    TCell& At(int row, int column) { return FCells[{row, column}]; }

    std::map<std::pair<int, int>, TCell> FCells;
    std::map<int, double> FColumnWidths;
    bool FFitToPageWidth = false;
    QString FPrintArea;
    std::vector<TChart> FCharts;
};
