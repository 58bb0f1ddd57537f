#pragma once
// Reads back what a written .xlsx holds on one worksheet, the first unless named: each cell's value
// and the style parts the reports set (number format, bold, font colour, solid fill, thin borders),
// the print area and the charts.

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

struct TXlsxCell {
    bool exists = false;
    std::optional<QString> text;
    std::optional<double> number;
    QString numberFormat; // "General" for none
    bool bold = false;
    QString fontColor; // "FF0000", empty for automatic
    QString fill;      // RGB of a solid fill, empty for none
    bool left = false, top = false, right = false, bottom = false;
    bool HasValue() const { return text || number; }
    // The four edges as "ltrb" with '-' for a missing line.
    QString Borders() const;
};

// A chart of the worksheet: its kind as the chart part names it ("pieChart", "barChart"), its
// title, the references of its first series and where its top-left corner lies (0-based).
struct TXlsxChart {
    QString kind, title, categories, values;
    QString labelFormat; // the data labels' number format, empty without labels
    int row = -1, column = -1;
};

struct TXlsxSheet {
    bool read = false; // the file was a workbook with a first worksheet
    std::map<QString, TXlsxCell> cells;
    std::map<int, double> columnWidths; // 1-based column
    QString printArea;                  // "Sheet1!$A$1:$I$11", empty for none
    QString printTitles;                // the rows repeated on every page, "Дни!$20:$20"
    QStringList sheetNames;             // of the whole workbook, in order
    std::vector<TXlsxChart> charts;     // in the order they were added
    // A cell never written reads as one that does not exist.
    TXlsxCell Cell(const QString& address) const;
};

// Sheets count from 1.
TXlsxSheet ReadXlsx(const QString& path, int sheetNumber = 1);
