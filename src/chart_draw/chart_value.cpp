#include "chart_draw/chart_value.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_plot.h"
#include "chart_draw/chart_texts.h"

namespace tarvel {

using namespace chart_draw;

namespace {

// The point of a path nearest a pixel of the plot, at the whole minute of the
// clock nearest the foot of the perpendicular.
struct PathHit {
    double distance = 1e300;
    ChartDate date;
    SkyPoint point;
};

void NearestOnPath(const Plot& plot, const SunPathSeries& series, double latitude,
                   const QPointF& pixel, PathHit& best) {
    const std::vector<SkyPoint>& path = series.path;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const SkyPoint& a = path[i];
        const SkyPoint& b = path[i + 1];
        const double xa = AxisBearing(a.bearingDeg, latitude);
        double xb = AxisBearing(b.bearingDeg, latitude);
        // A step across the axis' edge is not drawn; across north in the
        // polar form it is.
        if (std::abs(xb - xa) > 180) {
            if (!plot.polar) continue;
            xb += xa > xb ? 360 : -360;
        }
        const QPointF pa = plot.Map(xa, a.altitudeDeg);
        const QPointF pb = plot.Map(xb, b.altitudeDeg);
        const QPointF d = pb - pa;
        const double length2 = QPointF::dotProduct(d, d);
        const double t =
            length2 > 0 ? std::clamp(QPointF::dotProduct(pixel - pa, d) / length2, 0.0, 1.0) : 0;
        const double distance =
            std::hypot(pa.x() + t * d.x() - pixel.x(), pa.y() + t * d.y() - pixel.y());
        if (distance >= best.distance) continue;
        const double span = b.clockHours - a.clockHours;
        const double minute = std::round((a.clockHours + t * span) * 60.0);
        const double u = span > 0 ? std::clamp((minute / 60.0 - a.clockHours) / span, 0.0, 1.0) : 0;
        const double bearing = std::fmod(xa + u * (xb - xa) + 720.0, 360.0);
        best = {
            distance, series.date,
            SkyPoint{minute / 60.0, bearing, a.altitudeDeg + u * (b.altitudeDeg - a.altitudeDeg)}};
    }
}

// The nearest point of the paths drawn, when the pointer is within reach of
// one.
QString PathValueAt(const ChartModel& model, const Layout& layout, const Plot& plot,
                    const QPointF& pixel) {
    PathHit best;
    const double latitude = model.sunPath.latitude;
    NearestOnPath(plot, model.sunPath.day, latitude, pixel, best);
    if (model.kind == ChartKind::kSunPathYear && model.monthPaths) {
        for (const SunPathSeries& s : model.monthPaths->monthPaths)
            NearestOnPath(plot, s, latitude, pixel, best);
    }
    if (best.distance > layout.lineHeight * 2) return {};
    return Tr("Sole il %1 alle %2: azimut %3° (da nord), altezza %4°")
        .arg(DateText(best.date))
        .arg(ClockText(best.point.clockHours))
        .arg(Number(best.point.bearingDeg, 1))
        .arg(Number(best.point.altitudeDeg, 1));
}

// Every band's and prayer's time on a date of the day chart, one line each.
QString DaylightValue(const ChartModel& model, const DaylightDay& d, double pointerHours) {
    const QString none = QStringLiteral("--");
    const auto time = [&](const ChartTime& t) { return t.occurs ? ClockText(t.hours) : none; };
    QString text = Tr("%1: ore %2; sorgere %3, tramonto %4, durata del giorno %5")
                       .arg(DateText(d.date))
                       .arg(ClockText(pointerHours))
                       .arg(time(d.sunrise))
                       .arg(time(d.sunset))
                       .arg(DurationText(d.apparentDaylightHours));
    text += QLatin1Char('\n') +
            Tr("Mattino e sera: crepuscolo astronomico %1 e %2, nautico %3 e %4, civile %5 e %6")
                .arg(time(d.astronomicalDawn), time(d.astronomicalDusk), time(d.nauticalDawn),
                     time(d.nauticalDusk), time(d.civilDawn), time(d.civilDusk));
    if (model.prayerLines && model.daylight->prayers) {
        const ChartTime prayers[5] = {d.fajr, d.zuhr, d.asr1, d.maghrib, d.isha};
        QStringList parts;
        for (int i = 0; i < 5; ++i) {
            parts << QStringLiteral("%1 %2").arg(Tr(kPrayerNames[i]), time(prayers[i]));
        }
        text += QLatin1Char('\n') + parts.join(QStringLiteral(", "));
    }
    return text;
}

}  // namespace

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
                if (QString onPath = PathValueAt(model, layout, plot, pixel); !onPath.isEmpty()) {
                    return onPath;
                }
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
                return DaylightValue(
                    model,
                    days[std::min(days.size() - 1, static_cast<std::size_t>(std::max(0.0, x)))], y);
            }
        }
    }
    return {};
}

}  // namespace tarvel
