// The day and the civil, nautical and astronomical twilights over the year on
// the clock, the day's length, and optionally the prayers as lines.
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "astro/prayer_times.h"
#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_kinds.h"
#include "chart_draw/chart_layout.h"
#include "chart_draw/chart_legend.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

namespace {

// The stretches of a day, in hours, where the Sun stands above a twilight's
// altitude (or the horizon).
void FillAbove(QPainter& painter, const Plot& plot, double x, const ChartTime& dawn,
               const ChartTime& dusk, bool alwaysAbove, const QColor& color) {
    const auto fill = [&](double from, double to) {
        if (to <= from) return;
        painter.fillRect(QRectF(plot.Map(x, to), plot.Map(x + 1, from)).normalized(), color);
    };
    if (dawn.occurs && dusk.occurs) {
        if (dawn.hours <= dusk.hours) {
            fill(dawn.hours, dusk.hours);
        } else {
            fill(0, dusk.hours);
            fill(dawn.hours, 24);
        }
    } else if (dawn.occurs) {
        fill(dawn.hours, 24);
    } else if (dusk.occurs) {
        fill(0, dusk.hours);
    } else if (alwaysAbove) {
        fill(0, 24);
    }
}

}  // namespace

void PaintDaylight(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    painter.fillRect(plot.rect, kNight);
    const int year = model.daylight ? model.daylight->year : 2000;
    if (model.daylight) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        const std::vector<DaylightDay>& days = model.daylight->days;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DaylightDay& d = days[i];
            const double x = static_cast<double>(i);
            // Without a crossing the Sun stays on one side of the altitude all
            // day: above when even its lowest point is (the day is then as
            // long as 24 hours), judged by the transit altitude otherwise.
            const bool polarDay = d.apparentDaylightHours >= 24;
            FillAbove(painter, plot, x, d.astronomicalDawn, d.astronomicalDusk,
                      polarDay || d.transitAltitudeDeg > kAstronomicalTwilightAltitude,
                      kAstronomical);
            FillAbove(painter, plot, x, d.nauticalDawn, d.nauticalDusk,
                      polarDay || d.transitAltitudeDeg > kNauticalTwilightAltitude, kNautical);
            FillAbove(painter, plot, x, d.civilDawn, d.civilDusk,
                      polarDay || d.transitAltitudeDeg > kCivilTwilightAltitude, kCivil);
            FillAbove(painter, plot, x, d.sunrise, d.sunset, polarDay, kDay);
        }
        painter.restore();
    }
    std::vector<Tick> hours = NumberTicks(0, 24, 3);
    for (Tick& t : hours)
        t.label = QStringLiteral("%1:00").arg(static_cast<int>(t.value), 2, 10, QLatin1Char('0'));
    DrawAxes(painter, layout, plot, MonthTicks(year), hours, Tr("Data"), Tr("Ora dell'orologio"),
             NumberTicks(0, 24, 3), Tr("Durata del giorno (ore)"));
    if (!model.daylight) return;
    const std::vector<DaylightDay>& days = model.daylight->days;
    painter.save();
    painter.setClipRect(plot.rect);
    const auto line = [&](const std::function<ChartTime(const DaylightDay&)>& value,
                          const QPen& pen) {
        QPainterPath path;
        bool open = false;
        double last = 0;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const ChartTime t = value(days[i]);
            if (!t.occurs) {
                open = false;
                continue;
            }
            const QPointF at = plot.Map(i + 0.5, t.hours);
            if (!open || std::abs(t.hours - last) > 3) {
                path.moveTo(at);
            } else {
                path.lineTo(at);
            }
            open = true;
            last = t.hours;
        }
        painter.setPen(pen);
        painter.drawPath(path);
    };
    if (model.prayerLines) {
        const QPen prayer(kReddishPurple, 1.5, Qt::DashLine);
        line([](const DaylightDay& d) { return d.fajr; }, prayer);
        line([](const DaylightDay& d) { return d.zuhr; }, prayer);
        line([](const DaylightDay& d) { return d.asr1; }, prayer);
        line([](const DaylightDay& d) { return d.maghrib; }, prayer);
        line([](const DaylightDay& d) { return d.isha; }, prayer);
    }
    line(
        [](const DaylightDay& d) {
            return ChartTime{true, d.apparentDaylightHours};
        },
        QPen(kVermillion, 2.5));
    painter.restore();
}

}  // namespace tarvel::chart_draw
