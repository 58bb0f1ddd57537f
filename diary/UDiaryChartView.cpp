#include "diary/UDiaryChartView.h"

#include "base/UFormat.h"
#include "ui/UFonts.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

const QColor kColumnColour(246, 178, 107);
const QColor kNormColour(200, 0, 0);
const QColor kMeanColour(0, 0, 200);
const QColor kWeightColour(0, 140, 60);
const QColor kGridColour(225, 225, 225);
const QColor kAxisColour(110, 110, 110);

constexpr int kGap = 6;        // between labels, titles and the plot
constexpr int kTick = 4;       // the length of a tick mark
constexpr int kLegendMark = 9; // the side of a legend's colour square

using TAxisLabels = std::vector<std::pair<double, QString>>;

// A value axis's labels: whole numbers at every tick from the low end to the top.
TAxisLabels AxisLabels(double low, double top, int ticks) {
    TAxisLabels labels;
    for (int i = 0; i < ticks; ++i) {
        const double value = ticks > 1 ? low + (top - low) * i / (ticks - 1) : low;
        labels.emplace_back(value, FormatGeneral(std::round(value)));
    }
    return labels;
}

int WidestText(const QFontMetrics& metrics, const TAxisLabels& labels) {
    int widest = 0;
    for (const auto& label : labels)
        widest = std::max(widest, metrics.horizontalAdvance(label.second));
    return widest;
}

// Where the plot lies in the widget, and where a day, kcal and kilograms fall on it.
struct TPlot {
    QRectF area;
    const TDiaryChart& chart;

    double Slot() const { return area.width() / double(chart.kkal.size()); }
    double X(double day) const { return area.left() + (day + 0.5) * Slot(); }
    double Y(double kkal) const { return area.bottom() - kkal * area.height() / chart.kkalTop; }
    double YOfVes(double kg) const {
        const double span = std::max(chart.vesTop - chart.vesLow, 1.0);
        return area.bottom() - (kg - chart.vesLow) * area.height() / span;
    }
};

// The labels of a value axis beside the plot, each centred on its tick.
void DrawAxisLabels(QPainter& painter, const TAxisLabels& labels, const QRectF& column,
                    Qt::Alignment side, const std::function<double(double)>& yOf) {
    const double line = painter.fontMetrics().height();
    painter.setPen(Qt::black);
    for (const auto& [value, text] : labels)
        painter.drawText(QRectF(column.left(), yOf(value) - line / 2, column.width(), line),
                         side | Qt::AlignVCenter, text);
}

void DrawGridAndDates(QPainter& painter, const TPlot& plot, const TAxisLabels& kkal) {
    painter.setPen(kGridColour);
    for (const auto& label : kkal)
        painter.drawLine(QPointF(plot.area.left(), plot.Y(label.first)),
                         QPointF(plot.area.right(), plot.Y(label.first)));
    painter.setPen(kAxisColour);
    painter.drawLine(plot.area.bottomLeft(), plot.area.bottomRight());
    painter.drawLine(plot.area.bottomLeft(), plot.area.topLeft());
    const QFontMetrics metrics = painter.fontMetrics();
    const double widgetWidth = painter.device()->width();
    for (const TDateMark& mark : plot.chart.dates) {
        const double x = plot.X(mark.day);
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(x, plot.area.bottom()), QPointF(x, plot.area.bottom() + kTick));
        painter.setPen(Qt::black);
        const double width = metrics.horizontalAdvance(mark.text);
        const double at = std::clamp(x - width / 2, 0.0, widgetWidth - width);
        painter.drawText(QPointF(at, plot.area.bottom() + kTick + metrics.ascent()), mark.text);
    }
}

// A column for every day with a ration (unknown days stay empty), the norm and the 7-day
// mean, broken at every unknown day; a run of one day is a point.
void DrawKkal(QPainter& painter, const TPlot& plot) {
    const double slot = plot.Slot();
    // Columns narrower than a few pixels go without a border, which would darken them.
    painter.setPen(slot >= 4 ? QPen(kColumnColour.darker(130), 1) : QPen(Qt::NoPen));
    painter.setBrush(kColumnColour);
    for (std::size_t day = 0; day < plot.chart.kkal.size(); ++day)
        if (plot.chart.kkal[day] > 0) {
            const double top = plot.Y(plot.chart.kkal[day]);
            painter.drawRect(QRectF(plot.X(double(day)) - slot * 0.4, top, slot * 0.8,
                                    plot.area.bottom() - top));
        }
    if (plot.chart.norm) {
        painter.setPen(QPen(kNormColour, 2, Qt::DashLine));
        const double y = plot.Y(*plot.chart.norm);
        painter.drawLine(QPointF(plot.area.left(), y), QPointF(plot.area.right(), y));
    }
    painter.setPen(QPen(kMeanColour, 2));
    painter.setBrush(kMeanColour);
    for (const std::vector<QPointF>& run : plot.chart.means) {
        QPolygonF points;
        for (const QPointF& p : run)
            points << QPointF(plot.X(p.x()), plot.Y(p.y()));
        if (points.size() == 1)
            painter.drawEllipse(points.front(), 2.5, 2.5);
        else
            painter.drawPolyline(points);
    }
}

void DrawWeights(QPainter& painter, const TPlot& plot) {
    QPolygonF points;
    for (const QPointF& p : plot.chart.weights)
        points << QPointF(plot.X(p.x()), plot.YOfVes(p.y()));
    painter.setPen(QPen(kWeightColour, 2));
    painter.drawPolyline(points);
    painter.setBrush(kWeightColour);
    for (const QPointF& p : points)
        painter.drawEllipse(p, 3, 3);
    painter.setPen(kAxisColour);
    painter.drawLine(plot.area.bottomRight(), plot.area.topRight());
}

// A title written upwards along a vertical axis, centred on the plot's height.
void DrawVerticalTitle(QPainter& painter, const QString& title, double x, const QRectF& plot) {
    painter.save();
    painter.translate(x, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QPointF(-painter.fontMetrics().horizontalAdvance(title) / 2.0, 0), title);
    painter.restore();
}

struct TLegendItem {
    QString name;
    QColor colour;
};

// The legend in one row, centred under the plot.
void DrawLegend(QPainter& painter, const std::vector<TLegendItem>& items, const QRectF& plot,
                double top) {
    const QFontMetrics metrics = painter.fontMetrics();
    double width = 0;
    for (const TLegendItem& item : items)
        width += kLegendMark + kGap / 2 + metrics.horizontalAdvance(item.name) + 3 * kGap;
    double x = plot.left() + (plot.width() - width) / 2;
    for (const TLegendItem& item : items) {
        painter.setPen(item.colour.darker(130));
        painter.setBrush(item.colour);
        painter.drawRect(
            QRectF(x, top + (metrics.height() - kLegendMark) / 2.0, kLegendMark, kLegendMark));
        x += kLegendMark + kGap / 2;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, top + metrics.ascent()), item.name);
        x += metrics.horizontalAdvance(item.name) + 3 * kGap;
    }
}

} // namespace

void TDiaryChartView::SetChart(TDiaryChart chart) {
    FChart = std::move(chart);
    update();
}

void TDiaryChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(kGridColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFont labelFont = MsSansSerif8();
    const QFont titleFont = MsSansSerif8(true);
    const QFontMetrics labels(labelFont);
    const QFontMetrics titles(titleFont);
    const bool weights = !FChart.weights.empty();
    const TAxisLabels kkalLabels = AxisLabels(0, FChart.kkalTop, FChart.kkalTicks);
    const TAxisLabels vesLabels =
        weights ? AxisLabels(FChart.vesLow, FChart.vesTop, FChart.vesTicks) : TAxisLabels();

    // Beside the plot: a title and the labels on each value axis; under it: the dates, their
    // title and the legend.
    const int line = labels.height();
    const int left = kGap + titles.height() + kGap + WidestText(labels, kkalLabels) + kGap;
    const int right =
        weights ? kGap + titles.height() + kGap + WidestText(labels, vesLabels) + kGap : 2 * kGap;
    const int bottom = kTick + line + kGap + titles.height() + 2 * kGap + line + kGap;
    const TPlot plot{QRectF(left, kGap + line / 2.0, width() - left - right,
                            height() - bottom - kGap - line / 2.0),
                     FChart};
    if (plot.area.width() < 10 || plot.area.height() < 10 || FChart.kkal.empty() ||
        FChart.kkalTop <= 0)
        return;

    painter.setFont(labelFont);
    DrawGridAndDates(painter, plot, kkalLabels);
    DrawAxisLabels(painter, kkalLabels, QRectF(0, 0, left - kGap, 0), Qt::AlignRight,
                   [&plot](double kkal) { return plot.Y(kkal); });
    DrawKkal(painter, plot);
    if (weights) {
        DrawWeights(painter, plot);
        DrawAxisLabels(painter, vesLabels, QRectF(plot.area.right() + kGap, 0, right - 2 * kGap, 0),
                       Qt::AlignLeft, [&plot](double kg) { return plot.YOfVes(kg); });
    }

    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    DrawVerticalTitle(painter, QStringLiteral("ккал"), kGap + titles.ascent(), plot.area);
    if (weights)
        DrawVerticalTitle(painter, QStringLiteral("Вес, кг"), width() - kGap - titles.descent(),
                          plot.area);
    const double titleTop = plot.area.bottom() + kTick + line + kGap;
    painter.drawText(QRectF(plot.area.left(), titleTop, plot.area.width(), titles.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Дата"));

    std::vector<TLegendItem> legend{{QStringLiteral("ккал за день"), kColumnColour}};
    if (FChart.norm)
        legend.push_back({QStringLiteral("Норма"), kNormColour});
    if (!FChart.means.empty())
        legend.push_back({QStringLiteral("Среднее за 7 дней"), kMeanColour});
    if (weights)
        legend.push_back({QStringLiteral("Вес"), kWeightColour});
    painter.setFont(labelFont);
    DrawLegend(painter, legend, plot.area, titleTop + titles.height() + 2 * kGap);
}
