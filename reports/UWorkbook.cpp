#include "reports/UWorkbook.h"

#include "base/UFormat.h"
#include "reports/UXlsxLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <tuple>

unsigned PaletteColor(int colorIndex) {
    switch (colorIndex) {
    case 3:
        return 0xFF0000;
    case 5:
        return 0x0000FF;
    case 10:
        return 0x008000;
    case 34:
        return 0xCCFFFF;
    case 35:
        return 0xCCFFCC;
    case 36:
        return 0xFFFF99;
    }
    throw EAppError(QStringLiteral("%1 — нет такого цвета в палитре книги").arg(colorIndex));
}

bool TCellStyle::operator<(const TCellStyle& other) const {
    return std::tie(numberFormat, bold, fontColor, fillColor, left, top, right, bottom) <
           std::tie(other.numberFormat, other.bold, other.fontColor, other.fillColor, other.left,
                    other.top, other.right, other.bottom);
}

namespace {

// "F12" as 0-based row and column.
std::pair<int, int> ParseCell(const QString& address) {
    static const QRegularExpression cell(QStringLiteral("^([A-Z]{1,3})([1-9][0-9]{0,6})$"));
    const QRegularExpressionMatch match = cell.match(address);
    if (!match.hasMatch())
        throw EAppError(QStringLiteral("«%1» — не адрес ячейки").arg(address));
    int column = 0;
    for (const QChar letter : match.captured(1))
        column = column * 26 + (letter.unicode() - 'A' + 1);
    return {match.captured(2).toInt() - 1, column - 1};
}

struct TBlock {
    int top, left, bottom, right;
};

// "B12:I12" or "F12" as its 0-based corners.
TBlock ParseBlock(const QString& address) {
    const QStringList corners = address.split(QLatin1Char(':'));
    if (corners.size() > 2)
        throw EAppError(QStringLiteral("«%1» — не адрес блока ячеек").arg(address));
    const auto [top, left] = ParseCell(corners.constFirst());
    const auto [bottom, right] = ParseCell(corners.constLast());
    return {std::min(top, bottom), std::min(left, right), std::max(top, bottom),
            std::max(left, right)};
}

QString AbsoluteCell(int row, int column) {
    QString letters;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        letters.prepend(QChar('A' + (c - 1) % 26));
    return QLatin1Char('$') + letters + QLatin1Char('$') + QString::number(row + 1);
}

// A sheet name as a reference writes it: in quotes unless it is a plain Latin word.
QString SheetPrefix(const QString& sheet) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (plain.match(sheet).hasMatch())
        return sheet + QLatin1Char('!');
    QString quoted = sheet;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QStringLiteral("'!");
}

// "F6,F9" as the chart reference "(Sheet1!$F$6,Sheet1!$F$9)", a single block without brackets.
QString SeriesReference(const QString& sheet, const QString& cells) {
    QStringList parts;
    for (const QString& address : cells.split(QLatin1Char(','))) {
        const TBlock b = ParseBlock(address);
        QString part = SheetPrefix(sheet) + AbsoluteCell(b.top, b.left);
        if (b.bottom != b.top || b.right != b.left)
            part += QLatin1Char(':') + AbsoluteCell(b.bottom, b.right);
        parts.append(part);
    }
    const QString joined = parts.join(QLatin1Char(','));
    return parts.size() > 1 ? QLatin1Char('(') + joined + QLatin1Char(')') : joined;
}

// The decimals of a number format such as "0.0" or "0.0%".
int FormatDecimals(const QString& format) {
    const int point = format.indexOf(QLatin1Char('.'));
    if (point < 0)
        return 0;
    int decimals = 0;
    while (point + 1 + decimals < format.size() && format[point + 1 + decimals] == '0')
        ++decimals;
    return decimals;
}

// How many characters a cell shows.
int ShownLength(const TCell& cell) {
    if (const auto* text = std::get_if<QString>(&cell.value))
        return int(text->size());
    if (std::holds_alternative<QDate>(cell.value))
        return int(cell.style.numberFormat.size());
    const auto* number = std::get_if<double>(&cell.value);
    if (!number)
        return 0;
    const bool percent = cell.style.numberFormat.endsWith(QLatin1Char('%'));
    const int decimals = FormatDecimals(cell.style.numberFormat);
    return int(FormatFixed(percent ? *number * 100 : *number, decimals).size()) + (percent ? 1 : 0);
}

} // namespace

TWorkbook::TWorkbook(const QString& firstSheet) {
    AddSheet(firstSheet);
}

void TWorkbook::AddSheet(const QString& name) {
    FSheets.emplace_back();
    Sheet().name = name;
}

bool TWorkbook::FitsChartSeries(const QString& cells) const {
    return SeriesReference(Sheet().name, cells).size() <= 255;
}

TRange TWorkbook::Range(const QString& address) {
    const TBlock b = ParseBlock(address);
    return TRange(*this, b.top, b.left, b.bottom, b.right);
}

TCell TWorkbook::Cell(int row, int column) const {
    const auto found = Sheet().cells.find({row, column});
    return found == Sheet().cells.end() ? TCell() : found->second;
}

void TWorkbook::SetColumnWidth(int column, double width) {
    Sheet().columnWidths[column] = width;
}

void TWorkbook::FitColumnWidth(int column, int fromRow) {
    int widest = 0;
    for (const auto& [place, cell] : Sheet().cells)
        if (place.second == column && place.first >= fromRow - 1)
            widest = std::max(widest, ShownLength(cell));
    // A bold heading and the sheet's margins take a little more than the characters.
    SetColumnWidth(column, widest + 2);
}

template <class F> void TRange::ForEach(F&& apply) {
    for (int row = FTop; row <= FBottom; ++row)
        for (int column = FLeft; column <= FRight; ++column)
            apply(FBook.At(row, column), row, column);
}

void TRange::SetValue(const QString& text) {
    ForEach([&](TCell& cell, int, int) { cell.value = text; });
}

void TRange::SetValue(double number) {
    ForEach([&](TCell& cell, int, int) { cell.value = number; });
}

void TRange::SetValue(const QDate& date) {
    ForEach([&](TCell& cell, int, int) { cell.value = date; });
}

void TRange::SetNumberFormat(const QString& format) {
    ForEach([&](TCell& cell, int, int) { cell.style.numberFormat = format; });
}

void TRange::SetBorder(int edge) {
    if (edge < xlEdgeLeft || edge > xlInsideHorizontal)
        throw EAppError(QStringLiteral("%1 — нет такой линии рамки").arg(edge));
    ForEach([&](TCell& cell, int row, int column) {
        TCellStyle& s = cell.style;
        switch (edge) {
        case xlEdgeLeft:
            s.left = s.left || column == FLeft;
            break;
        case xlEdgeTop:
            s.top = s.top || row == FTop;
            break;
        case xlEdgeBottom:
            s.bottom = s.bottom || row == FBottom;
            break;
        case xlEdgeRight:
            s.right = s.right || column == FRight;
            break;
        case xlInsideVertical:
            s.left = s.left || column > FLeft;
            s.right = s.right || column < FRight;
            break;
        case xlInsideHorizontal:
            s.top = s.top || row > FTop;
            s.bottom = s.bottom || row < FBottom;
            break;
        }
    });
}

void TRange::SetFontColorIndex(int colorIndex) {
    PaletteColor(colorIndex);
    ForEach([&](TCell& cell, int, int) { cell.style.fontColor = colorIndex; });
}

void TRange::SetBold(bool bold) {
    ForEach([&](TCell& cell, int, int) { cell.style.bold = bold; });
}

void TRange::SetFillColorIndex(int colorIndex) {
    if (colorIndex != xlColorIndexNone)
        PaletteColor(colorIndex);
    const int fill = colorIndex == xlColorIndexNone ? 0 : colorIndex;
    ForEach([&](TCell& cell, int, int) { cell.style.fillColor = fill; });
}

void TRange::SetFillPattern(int pattern) {
    // A coloured fill is always solid, so the solid pattern is the only one there is.
    if (pattern != xlPatternSolid)
        throw EAppError(QStringLiteral("%1 — нет такого узора заливки").arg(pattern));
}

void TRange::ClearContents() {
    ForEach([&](TCell& cell, int, int) { cell.value = std::monostate(); });
}

namespace {

lxw_format* NewFormat(lxw_workbook* book, const TCellStyle& style) {
    lxw_format* format = Xlsx().workbook_add_format(book);
    if (!style.numberFormat.isEmpty())
        Xlsx().format_set_num_format(format, style.numberFormat.toUtf8().constData());
    if (style.bold)
        Xlsx().format_set_bold(format);
    if (style.fontColor != 0)
        Xlsx().format_set_font_color(format, PaletteColor(style.fontColor));
    if (style.fillColor != 0) {
        Xlsx().format_set_pattern(format, LXW_PATTERN_SOLID);
        Xlsx().format_set_bg_color(format, PaletteColor(style.fillColor));
    }
    if (style.left)
        Xlsx().format_set_left(format, LXW_BORDER_THIN);
    if (style.top)
        Xlsx().format_set_top(format, LXW_BORDER_THIN);
    if (style.right)
        Xlsx().format_set_right(format, LXW_BORDER_THIN);
    if (style.bottom)
        Xlsx().format_set_bottom(format, LXW_BORDER_THIN);
    return format;
}

constexpr uint8_t kPaperA4 = 9;

// The writer's failures that writing a file can meet, in words; any other in the writer's own.
QString WriterError(lxw_error error) {
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("не хватает памяти");
    case LXW_ERROR_CREATING_XLSX_FILE:
    case LXW_ERROR_CREATING_TMPFILE:
        return QStringLiteral("не удалось создать файл");
    case LXW_ERROR_READING_TMPFILE:
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("не удалось записать файл");
    default:
        return QString::fromUtf8(Xlsx().lxw_strerror(error));
    }
}

// Frees a workbook that is given up before its closing, which would otherwise free it.
struct TBookFree {
    void operator()(lxw_workbook* book) const { Xlsx().lxw_workbook_free(book); }
};
using TBookHandle = std::unique_ptr<lxw_workbook, TBookFree>;

lxw_chart_series* AddSeries(lxw_chart* drawn, const QString& sheet, const QString& categories,
                            const QString& values) {
    const QByteArray c = (QLatin1Char('=') + SeriesReference(sheet, categories)).toUtf8();
    const QByteArray v = (QLatin1Char('=') + SeriesReference(sheet, values)).toUtf8();
    return Xlsx().chart_add_series(drawn, c.constData(), v.constData());
}

uint8_t DrawnType(TChartType type) {
    switch (type) {
    case TChartType::Pie:
        return LXW_CHART_PIE;
    case TChartType::Line:
        return LXW_CHART_LINE;
    case TChartType::Column:
        break;
    }
    return LXW_CHART_COLUMN;
}

lxw_error InsertChart(lxw_workbook* book, lxw_worksheet* sheet, const QString& sheetName,
                      const TChart& chart, const QString& labelFormat,
                      const QString& categoryFormat) {
    const bool pie = chart.type == TChartType::Pie;
    const bool line = chart.type == TChartType::Line;
    lxw_chart* drawn = Xlsx().workbook_add_chart(book, DrawnType(chart.type));
    lxw_chart_series* series =
        drawn ? AddSeries(drawn, sheetName, chart.categories, chart.values) : nullptr;
    if (!series)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    Xlsx().chart_title_set_name(drawn, chart.title.toUtf8().constData());
    // A title of one line leaves the plot its room.
    lxw_chart_font titleFont = {};
    titleFont.size = 12;
    titleFont.bold = LXW_TRUE;
    Xlsx().chart_title_set_name_font(drawn, &titleFont);
    if (line) {
        const auto mark = [](lxw_chart_series* line, const QString& name) {
            Xlsx().chart_series_set_name(line, name.toUtf8().constData());
            Xlsx().chart_series_set_marker_type(line, LXW_CHART_MARKER_CIRCLE);
            Xlsx().chart_series_set_marker_size(line, 4);
        };
        mark(series, chart.name);
        for (const TChartSeries& more : chart.more) {
            lxw_chart_series* added = AddSeries(drawn, sheetName, chart.categories, more.values);
            if (!added)
                return LXW_ERROR_MEMORY_MALLOC_FAILED;
            mark(added, more.name);
        }
        Xlsx().chart_legend_set_position(drawn, LXW_CHART_LEGEND_BOTTOM);
        Xlsx().chart_show_blanks_as(drawn, chart.joinGaps ? LXW_CHART_BLANKS_AS_CONNECTED
                                                          : LXW_CHART_BLANKS_AS_GAP);
        if (!chart.valueAxisTitle.isEmpty())
            Xlsx().chart_axis_set_name(drawn->y_axis, chart.valueAxisTitle.toUtf8().constData());
        if (!categoryFormat.isEmpty())
            Xlsx().chart_axis_set_num_format(drawn->x_axis, categoryFormat.toUtf8().constData());
    } else {
        Xlsx().chart_legend_set_position(drawn, LXW_CHART_LEGEND_NONE);
        Xlsx().chart_series_set_labels(series);
    }
    if (pie) {
        Xlsx().chart_series_set_labels_options(series, LXW_FALSE, LXW_TRUE, LXW_TRUE);
        Xlsx().chart_series_set_labels_separator(series, LXW_CHART_LABEL_SEPARATOR_NEWLINE);
        // Outside the slices a name is never broken inside a narrow one.
        Xlsx().chart_series_set_labels_position(series, LXW_CHART_LABEL_POSITION_OUTSIDE_END);
    }
    if (!line && !labelFormat.isEmpty())
        Xlsx().chart_series_set_labels_num_format(series, labelFormat.toUtf8().constData());
    lxw_chart_options options = {};
    options.x_scale = chart.widthScale;
    options.y_scale = chart.heightScale;
    return Xlsx().worksheet_insert_chart_opt(sheet, lxw_row_t(chart.row), lxw_col_t(chart.column),
                                             drawn, &options);
}

} // namespace

void TWorkbook::SaveAs(const QString& path) const {
    const QString target = QFileInfo(path).absoluteFilePath();
    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open())
        throw EWorkbookError(temp.errorString());
    temp.close();
    temp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray tempName = QFile::encodeName(temp.fileName());

    // Held until its closing, so that an error thrown on the way frees it.
    TBookHandle handle(Xlsx().workbook_new(tempName.constData()));
    lxw_workbook* book = handle.get();
    if (!book)
        throw EWorkbookError(WriterError(LXW_ERROR_MEMORY_MALLOC_FAILED));
    lxw_error first = LXW_NO_ERROR;
    const auto keep = [&first](lxw_error error) {
        if (first == LXW_NO_ERROR)
            first = error;
    };
    std::map<TCellStyle, lxw_format*> formats;
    const auto formatOf = [&](const TCellStyle& style) -> lxw_format* {
        if (style == TCellStyle())
            return nullptr;
        auto found = formats.find(style);
        if (found == formats.end())
            found = formats.emplace(style, NewFormat(book, style)).first;
        return found->second;
    };
    for (const TSheet& page : FSheets) {
        lxw_worksheet* sheet = Xlsx().workbook_add_worksheet(book, page.name.toUtf8().constData());
        if (!sheet) {
            keep(LXW_ERROR_MEMORY_MALLOC_FAILED);
            break;
        }
        for (const auto& [column, width] : page.columnWidths)
            keep(Xlsx().worksheet_set_column(sheet, lxw_col_t(column), lxw_col_t(column), width,
                                             nullptr));
        if (page.fitToPageWidth)
            Xlsx().worksheet_fit_to_pages(sheet, 1, 0);
        if (page.landscapeA4) {
            Xlsx().worksheet_set_landscape(sheet);
            Xlsx().worksheet_set_paper(sheet, kPaperA4);
        }
        if (page.titleRow > 0)
            keep(Xlsx().worksheet_repeat_rows(sheet, lxw_row_t(page.titleRow - 1),
                                              lxw_row_t(page.titleRow - 1)));
        // Named here rather than by the writer, which leaves a name such as "05.12.26" unquoted.
        if (!page.printArea.isEmpty()) {
            const QString prefix = SheetPrefix(page.name);
            const QByteArray name = (prefix + QStringLiteral("_xlnm.Print_Area")).toUtf8();
            const QByteArray block =
                (QLatin1Char('=') + SeriesReference(page.name, page.printArea)).toUtf8();
            keep(Xlsx().workbook_define_name(book, name.constData(), block.constData()));
        }
        for (const auto& [place, cell] : page.cells) {
            const auto row = lxw_row_t(place.first);
            const auto column = lxw_col_t(place.second);
            lxw_format* format = formatOf(cell.style);
            if (const auto* text = std::get_if<QString>(&cell.value))
                keep(Xlsx().worksheet_write_string(sheet, row, column, text->toUtf8().constData(),
                                                   format));
            else if (const auto* number = std::get_if<double>(&cell.value))
                keep(Xlsx().worksheet_write_number(sheet, row, column, *number, format));
            else if (const auto* date = std::get_if<QDate>(&cell.value)) {
                lxw_datetime day = {date->year(), date->month(), date->day(), 0, 0, 0};
                keep(Xlsx().worksheet_write_datetime(sheet, row, column, &day, format));
            } else
                keep(Xlsx().worksheet_write_blank(sheet, row, column, format));
        }
        const auto styleAt = [&page](const QString& cells) {
            const TBlock b = ParseBlock(cells.section(QLatin1Char(','), 0, 0));
            const auto found = page.cells.find({b.top, b.left});
            return found == page.cells.end() ? QString() : found->second.style.numberFormat;
        };
        for (const TChart& chart : page.charts)
            keep(InsertChart(book, sheet, page.name, chart, styleAt(chart.values),
                             styleAt(chart.categories)));
    }
    // Closing writes the file and frees the workbook whatever happened before.
    const lxw_error closed = Xlsx().workbook_close(handle.release());
    if (first != LXW_NO_ERROR)
        throw EWorkbookError(WriterError(first));
    if (closed != LXW_NO_ERROR)
        throw EWorkbookError(WriterError(closed));
    if (std::rename(tempName.constData(), QFile::encodeName(target).constData()) != 0)
        throw EWorkbookError(QString::fromLocal8Bit(std::strerror(errno)));
    temp.setAutoRemove(false);
}
