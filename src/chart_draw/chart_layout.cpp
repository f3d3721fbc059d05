#include "chart_draw/chart_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_plot.h"

namespace tarvel::chart_draw {

QFont ChartFont(const QRectF& area) {
    QFont font;
    font.setPixelSize(
        std::clamp(static_cast<int>(std::min(area.height(), area.width()) / 40), 10, 14));
    return font;
}

double TickLabelWidth(const QFontMetricsF& fm) {
    return std::max(fm.horizontalAdvance(QStringLiteral("-000")),
                    fm.horizontalAdvance(QStringLiteral("00:00")));
}

Layout LayoutOf(const ChartModel& model, const QRectF& area) {
    Layout layout;
    layout.font = ChartFont(area);
    const QFontMetricsF fm(layout.font);
    const double h = fm.height();
    layout.lineHeight = h;
    layout.titleRect = QRectF(area.left(), area.top(), area.width(), h * 2.8);
    const std::vector<LegendEntry> legend = LegendOf(model);
    const int rows = LegendRows(fm, legend, area.width() - 2 * h);
    layout.legendRect = QRectF(area.left() + h, area.bottom() - rows * h * 1.3 - h * 0.4,
                               area.width() - 2 * h, rows * h * 1.3);
    const double left = TickLabelWidth(fm) + h * 2.0;
    const double right = model.kind == ChartKind::kDaylight ? left : h * 1.5;
    const double top = layout.titleRect.bottom() + h * 0.5;
    const double bottom = layout.legendRect.top() - h * 3.6;
    const QRectF inner(area.left() + left, top, area.width() - left - right,
                       std::max(10.0, bottom - top));

    const auto skyRange = [](Plot& plot, double latitude, double highest) {
        plot.x0 = latitude < 0 ? -180 : 0;
        plot.x1 = plot.x0 + 360;
        plot.y0 = -20;
        plot.y1 = std::clamp(std::ceil((highest + 5) / 10) * 10, 30.0, 90.0);
    };
    switch (model.kind) {
        case ChartKind::kSunPath:
        case ChartKind::kSunPathYear: {
            Plot plot{inner};
            double highest = -90;
            if (model.kind == ChartKind::kSunPath) {
                for (const SkyPoint& p : model.sunPath.day.path)
                    highest = std::max(highest, p.altitudeDeg);
            } else if (model.monthPaths) {
                for (const SunPathSeries& s : model.monthPaths->monthPaths) {
                    for (const SkyPoint& p : s.path) highest = std::max(highest, p.altitudeDeg);
                }
            }
            skyRange(plot, model.sunPath.latitude, highest);
            if (model.polar) {
                const double side = std::min(inner.width(), inner.height() + h * 1.2);
                plot.rect = QRectF(inner.center().x() - side / 2, inner.top(), side, side);
                plot.polar = true;
                plot.rimMargin = h * 1.6;
                plot.x0 = 0;
                plot.x1 = 360;
                plot.y0 = kAstronomicalTwilightAltitude;
                plot.y1 = 90;
            }
            layout.plots.push_back(plot);
            break;
        }
        case ChartKind::kAnalemma: {
            const double gap = left;
            const double leftWidth = (inner.width() - gap) * 0.6;
            Plot sky{QRectF(inner.left(), inner.top(), leftWidth, inner.height())};
            double xlo = 1e9, xhi = -1e9, ylo = 1e9, yhi = -1e9;
            for (const AnalemmaPoint& p : model.analemma.points) {
                const double x = AxisBearing(p.bearingDeg, model.sunPath.latitude);
                xlo = std::min(xlo, x);
                xhi = std::max(xhi, x);
                ylo = std::min(ylo, p.altitudeDeg);
                yhi = std::max(yhi, p.altitudeDeg);
            }
            if (model.analemma.points.empty()) xlo = 0, xhi = 360, ylo = -90, yhi = 90;
            sky.x0 = std::floor((xlo - 5) / 10) * 10;
            sky.x1 = std::ceil((xhi + 5) / 10) * 10;
            sky.y0 = std::max(-90.0, std::floor((ylo - 5) / 10) * 10);
            sky.y1 = std::min(90.0, std::ceil((yhi + 5) / 10) * 10);
            Plot eot{QRectF(inner.left() + leftWidth + gap, inner.top(),
                            inner.width() - leftWidth - gap, inner.height())};
            eot.x0 = -20;
            eot.x1 = 20;
            eot.y0 = -30;
            eot.y1 = 30;
            layout.plots = {sky, eot};
            break;
        }
        case ChartKind::kEquationOfTime: {
            Plot plot{inner};
            plot.x0 = 0;
            plot.x1 = model.equationOfTime
                          ? static_cast<double>(model.equationOfTime->points.size())
                          : 365;
            plot.y0 = -20;
            plot.y1 = 20;
            layout.plots.push_back(plot);
            break;
        }
        case ChartKind::kDaylight: {
            Plot plot{inner};
            plot.x0 = 0;
            plot.x1 = model.daylight ? static_cast<double>(model.daylight->days.size()) : 365;
            plot.y0 = 0;
            plot.y1 = 24;
            layout.plots.push_back(plot);
            break;
        }
    }
    return layout;
}

}  // namespace tarvel::chart_draw
