// The equation of time over the year, with its maxima and minima named.
#include <QDate>
#include <QPainter>
#include <QPainterPath>

#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

void PaintEquationOfTime(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    painter.fillRect(plot.rect, Qt::white);
    const int year = model.equationOfTime ? model.equationOfTime->year : 2000;
    DrawAxes(painter, layout, plot, MonthTicks(year), NumberTicks(plot.y0, plot.y1, 5), Tr("Data"),
             Tr("Equazione del tempo (minuti)"));
    if (!model.equationOfTime) return;
    const EquationOfTimeChart& e = *model.equationOfTime;
    painter.save();
    painter.setClipRect(plot.rect);
    painter.setPen(QPen(kBlack, 1));
    painter.drawLine(plot.Map(plot.x0, 0), plot.Map(plot.x1, 0));
    QPainterPath line;
    for (std::size_t i = 0; i < e.points.size(); ++i) {
        const QPointF at = plot.Map(e.points[i].dayOfYear, e.points[i].minutes);
        if (i == 0) {
            line.moveTo(at);
        } else {
            line.lineTo(at);
        }
    }
    DrawCasedPath(painter, line, QPen(kBlue, 2.5));
    const auto feature = [&](const EquationOfTimeFeature& f, bool above) {
        const QPointF at = plot.Map(f.dayOfYear, f.minutes);
        DrawMarker(painter, at, Swatch::kDot, kVermillion, 4);
        const ChartDate date = DateAtDay(year, f.dayOfYear);
        const QString text = Tr("%1 min, %2").arg(Number(f.minutes, 1)).arg(DayMonthText(date));
        DrawLabel(painter, at + QPointF(0, above ? -4 : layout.lineHeight + 6), text, plot);
    };
    for (const EquationOfTimeFeature& f : e.maxima) feature(f, true);
    for (const EquationOfTimeFeature& f : e.minima) feature(f, false);
    if (model.date.year == year) {
        DrawDateLine(painter, plot, QDate(year, model.date.month, model.date.day).dayOfYear() - 0.5,
                     DateText(model.date));
    }
    painter.restore();
}

}  // namespace tarvel::chart_draw
