// The analemma: the Sun at one clock time of the zone's standard clock every
// day of the year, on the sky and as the equation of time against the
// declination, with the first of each month and the seasons marked.
#include <QDate>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>

#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

void PaintAnalemma(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const AnalemmaChart& a = model.analemma;
    const double latitude = model.sunPath.latitude;
    const Plot& sky = layout.plots[0];
    const Plot& eot = layout.plots[1];
    painter.fillRect(sky.rect, Qt::white);
    if (sky.y0 < 0) {
        painter.fillRect(
            QRectF(sky.Map(sky.x0, std::min(0.0, sky.y1)), sky.Map(sky.x1, sky.y0)).normalized(),
            kCivil);
    }
    DrawAxes(painter, layout, sky, BearingTicks(sky), NumberTicks(sky.y0, sky.y1, 10),
             Tr("Azimut (gradi da nord verso est)"), Tr("Altezza (gradi)"));
    DrawAxes(painter, layout, eot, NumberTicks(eot.x0, eot.x1, 5), NumberTicks(eot.y0, eot.y1, 10),
             Tr("Equazione del tempo (minuti)"), Tr("Declinazione (gradi)"));
    const auto drawLoop = [&](const Plot& plot,
                              const std::function<QPointF(const AnalemmaPoint&)>& at) {
        painter.save();
        painter.setClipRect(plot.rect);
        QPainterPath line;
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            if (i == 0) {
                line.moveTo(at(a.points[i]));
            } else {
                line.lineTo(at(a.points[i]));
            }
        }
        DrawCasedPath(painter, line, QPen(kOrange, 2.5));
        for (std::size_t index : a.monthStarts) {
            const QPointF p = at(a.points[index]);
            DrawMarker(painter, p, Swatch::kDot, kBlack, 2.5);
            DrawLabel(painter, p, Tr(kMonthShortNames[a.points[index].date.month - 1]), plot);
        }
        for (const AnalemmaMark& mark : a.seasons) {
            const bool equinox = mark.season == SeasonMark::kMarchEquinox ||
                                 mark.season == SeasonMark::kSeptemberEquinox;
            DrawMarker(painter, at(a.points[mark.index]), Swatch::kDiamond,
                       equinox ? kBluishGreen : kVermillion, 4.5);
        }
        // The chosen date.
        const int day = QDate(model.date.year, model.date.month, model.date.day).dayOfYear() - 1;
        if (model.date.year == a.year && day >= 0 &&
            static_cast<std::size_t>(day) < a.points.size()) {
            DrawMarker(painter, at(a.points[static_cast<std::size_t>(day)]), Swatch::kDot,
                       kReddishPurple, 5);
        }
        painter.restore();
    };
    drawLoop(sky, [&](const AnalemmaPoint& p) {
        return sky.Map(AxisBearing(p.bearingDeg, latitude), p.altitudeDeg);
    });
    drawLoop(eot, [&](const AnalemmaPoint& p) {
        return eot.Map(p.equationOfTimeMin, p.declinationDeg);
    });
}

}  // namespace tarvel::chart_draw
