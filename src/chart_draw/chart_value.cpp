#include "chart_draw/chart_value.h"

#include <algorithm>
#include <cmath>

#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_plot.h"
#include "chart_draw/chart_texts.h"

namespace tarvel {

using namespace chart_draw;

QString ChartValueAt(const ChartModel& model, const QRectF& area, const QPointF& pixel) {
    const Layout layout = LayoutOf(model, area);
    for (std::size_t i = 0; i < layout.plots.size(); ++i) {
        const Plot& plot = layout.plots[i];
        if (!plot.Contains(pixel)) continue;
        const double x = plot.X(pixel);
        const double y = plot.Y(pixel);
        switch (model.kind) {
            case ChartKind::kSunPath:
            case ChartKind::kSunPathYear:
                return Tr("Azimut %1° (da nord), altezza %2°")
                    .arg(Number(std::fmod(x + 360.0, 360.0), 1))
                    .arg(Number(y, 1));
            case ChartKind::kAnalemma:
                if (i == 0) {
                    return Tr("Azimut %1° (da nord), altezza %2°")
                        .arg(Number(std::fmod(x + 360.0, 360.0), 1))
                        .arg(Number(y, 1));
                }
                return Tr("Equazione del tempo %1 min, declinazione %2°")
                    .arg(Number(x, 1))
                    .arg(Number(y, 1));
            case ChartKind::kEquationOfTime: {
                if (!model.equationOfTime) return {};
                const auto& points = model.equationOfTime->points;
                const std::size_t day =
                    std::min(points.size() - 1, static_cast<std::size_t>(std::max(0.0, x)));
                return Tr("%1: equazione del tempo %2 min")
                    .arg(DateText(points[day].date))
                    .arg(Number(points[day].minutes, 2));
            }
            case ChartKind::kDaylight: {
                if (!model.daylight) return {};
                const auto& days = model.daylight->days;
                const DaylightDay& d =
                    days[std::min(days.size() - 1, static_cast<std::size_t>(std::max(0.0, x)))];
                const QString none = QStringLiteral("--");
                return Tr("%1: ore %2; sorgere %3, tramonto %4, durata del giorno %5")
                    .arg(DateText(d.date))
                    .arg(ClockText(y))
                    .arg(d.sunrise.occurs ? ClockText(d.sunrise.hours) : none)
                    .arg(d.sunset.occurs ? ClockText(d.sunset.hours) : none)
                    .arg(DurationText(d.apparentDaylightHours));
            }
        }
    }
    return {};
}

}  // namespace tarvel
