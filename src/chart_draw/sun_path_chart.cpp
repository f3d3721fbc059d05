// The Sun's path on the date: the sky, the Qibla, the path with its clock
// hours, the rise, transit and set, and the Sun at the instant (at night,
// below the plot, at its edge with its altitude).
#include <QPainter>
#include <cmath>

#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_texts.h"
#include "chart_draw/sky_frame.h"

namespace tarvel::chart_draw {

void PaintSunPath(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    const SunPathChart& c = model.sunPath;
    DrawSky(painter, layout, plot, c.apparentHorizonDeg);
    painter.save();
    ClipTo(painter, plot);
    // The Qibla.
    const double qibla = AxisBearing(c.qiblaBearingDeg, c.latitude);
    DrawCasedLine(painter, plot.Map(qibla, plot.y0), plot.Map(qibla, plot.y1),
                  QPen(kReddishPurple, 2, Qt::DashLine));
    DrawLabel(
        painter,
        plot.polar ? plot.Map(qibla, 5) : plot.Map(qibla, plot.y1) + QPointF(0, layout.lineHeight),
        Tr("Qibla"), plot, kReddishPurple);
    // The path and its hours.
    painter.setPen(QPen(kOrange, 2.5));
    DrawSkyPath(painter, plot, c.day.path, c.latitude);
    for (const SkyPoint& p : c.day.hourMarks) {
        if (p.altitudeDeg < plot.y0) continue;
        const QPointF at = plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg);
        DrawMarker(painter, at, Swatch::kDot, kOrange, 2.5);
        DrawLabel(painter, at, QString::number(static_cast<int>(std::lround(p.clockHours))), plot);
    }
    const auto event = [&](const SkyEvent& e, Swatch swatch, const QColor& color) {
        if (!e.occurs) return;
        const QPointF at =
            plot.Map(AxisBearing(e.point.bearingDeg, c.latitude), e.point.altitudeDeg);
        DrawMarker(painter, at, swatch, color, 4.5);
        DrawLabel(painter, at + QPointF(2, -layout.lineHeight * 0.6), ClockText(e.point.clockHours),
                  plot, color);
    };
    event(c.rise, Swatch::kTriangle, kBluishGreen);
    event(c.set, Swatch::kTriangle, kBluishGreen);
    event(c.transit, Swatch::kDiamond, kBlue);
    const double nowBearing = AxisBearing(c.now.bearingDeg, c.latitude);
    if (c.now.altitudeDeg >= plot.y0) {
        DrawMarker(painter, plot.Map(nowBearing, c.now.altitudeDeg), Swatch::kDot, kVermillion, 6);
    } else {
        // Below the plot: at its edge, just inside, with the altitude.
        const QPointF edge = plot.Map(nowBearing, plot.y0);
        const QPointF inward = plot.polar ? plot.rect.center() - edge : QPointF(0, -1);
        const QPointF at = edge + inward / std::hypot(inward.x(), inward.y()) * 8.0;
        DrawMarker(painter, at, Swatch::kDot, kVermillion, 6);
        DrawLabel(painter, at + QPointF(6, -6), Tr("Sole a %1°").arg(Number(c.now.altitudeDeg, 1)),
                  plot, kBlack);
    }
    painter.restore();
}

}  // namespace tarvel::chart_draw
