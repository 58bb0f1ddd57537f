#include "diary/UDiaryChartView.h"

#include "base/UFormat.h"
#include "ui/UFonts.h"

#include <QPainter>
#include <algorithm>

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

// The value axes' labels: whole numbers, at every tick from the low end to the top.
std::vector<std::pair<double, QString>> AxisLabels(double low, double top, int ticks) {
    std::vector<std::pair<double, QString>> labels;
    for (int i = 0; i < ticks; ++i) {
        const double value = ticks > 1 ? low + (top - low) * i / (ticks - 1) : low;
        labels.emplace_back(value, FormatGeneral(std::round(value)));
    }
    return labels;
}

int WidestText(const QFontMetrics& metrics, const std::vector<std::pair<double, QString>>& list) {
    int widest = 0;
    for (const auto& label : list)
        widest = std::max(widest, metrics.horizontalAdvance(label.second));
    return widest;
}

// A title written upwards along a vertical axis, centred on its height.
void DrawVerticalTitle(QPainter& painter, const QString& title, int x, int top, int bottom) {
    painter.save();
    painter.translate(x, (top + bottom) / 2.0);
    painter.rotate(-90);
    const int width = painter.fontMetrics().horizontalAdvance(title);
    painter.drawText(-width / 2, 0, title);
    painter.restore();
}

struct TLegendItem {
    QString name;
    QColor colour;
};

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
    const auto kkalLabels = AxisLabels(0, FChart.kkalTop, FChart.kkalTicks);
    const auto vesLabels = weights ? AxisLabels(FChart.vesLow, FChart.vesTop, FChart.vesTicks)
                                   : std::vector<std::pair<double, QString>>();

    std::vector<TLegendItem> legend{{QStringLiteral("ккал за день"), kColumnColour}};
    if (FChart.norm)
        legend.push_back({QStringLiteral("Норма"), kNormColour});
    if (!FChart.means.empty())
        legend.push_back({QStringLiteral("Среднее за 7 дней"), kMeanColour});
    if (weights)
        legend.push_back({QStringLiteral("Вес"), kWeightColour});

    const int line = labels.height();
    const int left = kGap + titles.height() + kGap + WidestText(labels, kkalLabels) + kGap;
    const int right =
        weights ? kGap + titles.height() + kGap + WidestText(labels, vesLabels) + kGap : 2 * kGap;
    const int bottom = kTick + line + kGap + titles.height() + 2 * kGap + line + kGap;
    const QRectF plot(left, kGap + line / 2.0, width() - left - right,
                      height() - bottom - kGap - line / 2.0);
    if (plot.width() < 10 || plot.height() < 10 || FChart.kkal.empty() || FChart.kkalTop <= 0)
        return;

    const double days = double(FChart.kkal.size());
    const auto xOf = [&](double day) { return plot.left() + (day + 0.5) * plot.width() / days; };
    const auto yOf = [&](double kkal) {
        return plot.bottom() - kkal * plot.height() / FChart.kkalTop;
    };
    const double vesSpan = std::max(FChart.vesTop - FChart.vesLow, 1.0);
    const auto yOfVes = [&](double kg) {
        return plot.bottom() - (kg - FChart.vesLow) * plot.height() / vesSpan;
    };

    // The grid and the kcal axis with its labels.
    painter.setFont(labelFont);
    for (const auto& [value, text] : kkalLabels) {
        const double y = yOf(value);
        painter.setPen(kGridColour);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - line / 2.0, left - kGap, line),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.setPen(kAxisColour);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());

    // The dates under their days.
    for (const TDateMark& mark : FChart.dates) {
        const double x = xOf(mark.day);
        painter.setPen(kAxisColour);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        painter.setPen(Qt::black);
        const double width = labels.horizontalAdvance(mark.text);
        const double at = std::clamp(x - width / 2, 0.0, double(this->width()) - width);
        painter.drawText(QPointF(at, plot.bottom() + kTick + labels.ascent()), mark.text);
    }

    // A column for every day with a ration; unknown days stay empty.
    const double slot = plot.width() / days;
    // Columns narrower than a few pixels go without a border, which would darken them.
    if (slot >= 4)
        painter.setPen(QPen(kColumnColour.darker(130), 1));
    else
        painter.setPen(Qt::NoPen);
    painter.setBrush(kColumnColour);
    for (std::size_t day = 0; day < FChart.kkal.size(); ++day)
        if (FChart.kkal[day] > 0) {
            const double x = xOf(double(day));
            painter.drawRect(QRectF(x - slot * 0.4, yOf(FChart.kkal[day]), slot * 0.8,
                                    plot.bottom() - yOf(FChart.kkal[day])));
        }

    if (FChart.norm) {
        painter.setPen(QPen(kNormColour, 2, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), yOf(*FChart.norm)),
                         QPointF(plot.right(), yOf(*FChart.norm)));
    }

    // The 7-day mean, broken at every unknown day; a run of one day is a point.
    painter.setBrush(kMeanColour);
    painter.setPen(QPen(kMeanColour, 2));
    for (const std::vector<QPointF>& run : FChart.means) {
        QPolygonF points;
        for (const QPointF& p : run)
            points << QPointF(xOf(p.x()), yOf(p.y()));
        if (points.size() == 1)
            painter.drawEllipse(points.front(), 2.5, 2.5);
        else
            painter.drawPolyline(points);
    }

    if (weights) {
        QPolygonF points;
        for (const QPointF& p : FChart.weights)
            points << QPointF(xOf(p.x()), yOfVes(p.y()));
        painter.setPen(QPen(kWeightColour, 2));
        painter.drawPolyline(points);
        painter.setBrush(kWeightColour);
        for (const QPointF& p : points)
            painter.drawEllipse(p, 3, 3);
        painter.setPen(kAxisColour);
        painter.drawLine(plot.bottomRight(), plot.topRight());
        painter.setPen(Qt::black);
        for (const auto& [value, text] : vesLabels)
            painter.drawText(
                QRectF(plot.right() + kGap, yOfVes(value) - line / 2.0, right - 2 * kGap, line),
                Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    // Axis titles, then the legend centred under them.
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    DrawVerticalTitle(painter, QStringLiteral("ккал"), kGap + titles.ascent(), int(plot.top()),
                      int(plot.bottom()));
    if (weights)
        DrawVerticalTitle(painter, QStringLiteral("Вес, кг"), width() - kGap - titles.descent(),
                          int(plot.top()), int(plot.bottom()));
    const double titleTop = plot.bottom() + kTick + line + kGap;
    painter.drawText(QRectF(plot.left(), titleTop, plot.width(), titles.height()),
                     Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Дата"));

    painter.setFont(labelFont);
    int legendWidth = 0;
    for (const TLegendItem& item : legend)
        legendWidth += kLegendMark + kGap / 2 + labels.horizontalAdvance(item.name) + 3 * kGap;
    double x = plot.left() + (plot.width() - legendWidth) / 2;
    const double legendTop = titleTop + titles.height() + 2 * kGap;
    for (const TLegendItem& item : legend) {
        painter.setPen(item.colour.darker(130));
        painter.setBrush(item.colour);
        painter.drawRect(
            QRectF(x, legendTop + (line - kLegendMark) / 2.0, kLegendMark, kLegendMark));
        x += kLegendMark + kGap / 2;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(x, legendTop + labels.ascent()), item.name);
        x += labels.horizontalAdvance(item.name) + 3 * kGap;
    }
}
