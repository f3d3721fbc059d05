// The Sun's paths on the 21st of each month: the solstices' and equinoxes'
// paths set apart, the months named, the same clock hour marked on every path.
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_texts.h"
#include "chart_draw/sky_frame.h"

namespace tarvel::chart_draw {

namespace {

// A month's name in the polar form, where the paths crowd near the zenith:
// at the path's end a little above the horizon, inside it; the first half of
// the year at the rising end and the second at the setting end, so that the
// two months of one path are named apart.
void DrawPolarMonthName(QPainter& painter, const Plot& plot, const std::vector<SkyPoint>& path,
                        int month, double latitude) {
    constexpr double kAboveHorizonDeg = 3.0;
    const auto high = [&](const SkyPoint& p) { return p.altitudeDeg >= kAboveHorizonDeg; };
    const SkyPoint* end = nullptr;
    if (month <= 6) {
        const auto it = std::find_if(path.begin(), path.end(), high);
        if (it != path.end()) end = &*it;
    } else {
        const auto it = std::find_if(path.rbegin(), path.rend(), high);
        if (it != path.rend()) end = &*it;
    }
    if (end == nullptr) return;
    const QString name = Tr(kMonthShortNames[month - 1]);
    const QPointF at = plot.Map(AxisBearing(end->bearingDeg, latitude), end->altitudeDeg);
    // Towards the centre: to the left of a point right of it, else to the right.
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(name);
    const double dx = at.x() > plot.rect.center().x() ? -width - 12 : 2;
    DrawLabel(painter, at + QPointF(dx, 4), name, plot);
}

}  // namespace

void PaintSunPathYear(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    const SunPathChart& c = model.sunPath;
    DrawSky(painter, layout, plot, c.apparentHorizonDeg);
    if (!model.monthPaths) return;
    painter.save();
    ClipTo(painter, plot);
    const std::vector<SunPathSeries>& paths = model.monthPaths->monthPaths;
    for (std::size_t m = 0; m < paths.size(); ++m) {
        const int month = static_cast<int>(m) + 1;
        const bool north = c.latitude >= 0;
        QColor color = kOrange;
        if (month == 6) color = north ? kVermillion : kBlue;
        if (month == 12) color = north ? kBlue : kVermillion;
        if (month == 3 || month == 9) color = kBluishGreen;
        painter.setPen(
            QPen(color, month == 6 || month == 12 || month == 3 || month == 9 ? 2.5 : 1.5));
        DrawSkyPath(painter, plot, paths[m].path, c.latitude);
        if (plot.polar) {
            DrawPolarMonthName(painter, plot, paths[m].path, month, c.latitude);
        } else if (paths[m].hourMarks.size() > 12) {
            // The month's name beside its noon.
            const SkyPoint& noon = paths[m].hourMarks[12];
            if (noon.altitudeDeg > plot.y0) {
                const QPointF at =
                    plot.Map(AxisBearing(noon.bearingDeg, c.latitude), noon.altitudeDeg);
                DrawLabel(painter, at + QPointF(month <= 6 ? -28 : 4, month <= 6 ? 0 : 12),
                          Tr(kMonthShortNames[m]), plot);
            }
        }
    }
    // The chosen date's own path, named at its highest point.
    if (!c.day.path.empty()) {
        painter.setPen(QPen(kReddishPurple, 2));
        DrawSkyPath(painter, plot, c.day.path, c.latitude);
        const auto top = std::max_element(
            c.day.path.begin(), c.day.path.end(),
            [](const SkyPoint& a, const SkyPoint& b) { return a.altitudeDeg < b.altitudeDeg; });
        if (top->altitudeDeg > std::max(plot.y0, 0.0)) {
            DrawLabel(painter,
                      plot.Map(AxisBearing(top->bearingDeg, c.latitude), top->altitudeDeg) +
                          QPointF(6, -6),
                      DateText(c.day.date), plot, kReddishPurple);
        }
    }
    // The hours: the same clock hour on every path.
    for (std::size_t hour = 0; hour < 24; ++hour) {
        for (const SunPathSeries& s : paths) {
            if (s.hourMarks.size() <= hour) continue;
            const SkyPoint& p = s.hourMarks[hour];
            if (p.altitudeDeg < 0) continue;
            DrawMarker(painter, plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg),
                       Swatch::kDot, kBlack, 1.5);
        }
        // Named on the summer solstice's path; in the polar form on the March
        // equinox's, where the hours stand apart, and not near its ends,
        // where the months are named.
        const std::size_t named = plot.polar ? 2 : (c.latitude >= 0 ? 5 : 11);
        const double lowest = plot.polar ? 12.0 : 0.0;
        if (paths.size() == 12 && paths[named].hourMarks.size() > hour) {
            const SkyPoint& p = paths[named].hourMarks[hour];
            if (p.altitudeDeg >= lowest) {
                DrawLabel(painter, plot.Map(AxisBearing(p.bearingDeg, c.latitude), p.altitudeDeg),
                          QString::number(hour), plot);
            }
        }
    }
    painter.restore();
}

}  // namespace tarvel::chart_draw
