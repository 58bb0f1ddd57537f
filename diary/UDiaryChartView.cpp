#include "diary/UDiaryChartView.h"

#include "ui/UFonts.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

namespace {

// Axis titles and labels in the window's own small font.
void SetAxisFonts(QAbstractAxis* axis) {
    axis->setLabelsFont(MsSansSerif8());
    axis->setTitleFont(MsSansSerif8(true));
}

const QColor kColumnColour(246, 178, 107);
const QColor kNormColour(200, 0, 0);
const QColor kMeanColour(0, 0, 200);
const QColor kWeightColour(0, 140, 60);

QLineSeries* NewLine(QChart* chart, const QString& name, const QPen& pen,
                     const std::vector<QPointF>& points, QAbstractAxis* x, QAbstractAxis* y) {
    auto* line = new QLineSeries;
    line->setName(name);
    line->setPen(pen);
    for (const QPointF& p : points)
        line->append(p);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y);
    return line;
}

// A series drawn in pieces shows one entry in the legend.
void HideFromLegend(QChart* chart, QAbstractSeries* series) {
    for (QLegendMarker* marker : chart->legend()->markers(series))
        marker->setVisible(false);
}

} // namespace

void DrawDiaryChart(QChart* chart, const TDiaryChart& data) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    const double left = -0.5;
    const double right = double(data.kkal.size()) - 0.5;

    auto* x = new QCategoryAxis;
    x->setTitleText(QStringLiteral("Дата"));
    x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    x->setRange(left, right);
    for (const TDateMark& mark : data.dates)
        x->append(mark.text, mark.day);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("ккал"));
    y->setRange(0, data.kkalTop);
    y->setTickCount(data.kkalTicks);
    y->setLabelFormat(QStringLiteral("%.0f"));
    SetAxisFonts(x);
    SetAxisFonts(y);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);

    auto* columns = new QBarSet(QStringLiteral("ккал за день"));
    columns->setColor(kColumnColour);
    columns->setBorderColor(kColumnColour.darker(130));
    for (double kkal : data.kkal)
        columns->append(kkal);
    auto* bars = new QBarSeries;
    bars->append(columns);
    bars->setBarWidth(0.8);
    chart->addSeries(bars);
    bars->attachAxis(x);
    bars->attachAxis(y);

    if (data.norm)
        NewLine(chart, QStringLiteral("Норма"), QPen(kNormColour, 2, Qt::DashLine),
                {QPointF(left, *data.norm), QPointF(right, *data.norm)}, x, y);

    bool first = true;
    for (const std::vector<QPointF>& run : data.means) {
        QLineSeries* mean =
            NewLine(chart, QStringLiteral("Среднее за 7 дней"), QPen(kMeanColour, 2), run, x, y);
        // A run of one day has no line to draw: its point stands for it.
        mean->setPointsVisible(run.size() == 1);
        if (!first)
            HideFromLegend(chart, mean);
        first = false;
    }

    if (!data.weights.empty()) {
        auto* kg = new QValueAxis;
        kg->setTitleText(QStringLiteral("Вес, кг"));
        kg->setRange(data.vesLow, data.vesTop);
        kg->setTickCount(data.vesTicks);
        kg->setLabelFormat(QStringLiteral("%.0f"));
        SetAxisFonts(kg);
        chart->addAxis(kg, Qt::AlignRight);
        QLineSeries* weight =
            NewLine(chart, QStringLiteral("Вес"), QPen(kWeightColour, 2), data.weights, x, kg);
        weight->setPointsVisible(true);
    }
}
