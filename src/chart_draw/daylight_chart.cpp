// The day and the civil, nautical and astronomical twilights over the year on
// the clock, the day's length, and optionally the prayers as lines.
#include <QDate>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <optional>

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
// altitude (or the horizon), added to a band's outline.
void AddAbove(QPainterPath& band, const Plot& plot, double x, const ChartTime& dawn,
              const ChartTime& dusk, bool alwaysAbove) {
    const auto add = [&](double from, double to) {
        if (to <= from) return;
        band.addRect(QRectF(plot.Map(x, to), plot.Map(x + 1, from)).normalized());
    };
    if (dawn.occurs && dusk.occurs) {
        if (dawn.hours <= dusk.hours) {
            add(dawn.hours, dusk.hours);
        } else {
            add(0, dusk.hours);
            add(dawn.hours, 24);
        }
    } else if (dawn.occurs) {
        add(dawn.hours, 24);
    } else if (dusk.occurs) {
        add(0, dusk.hours);
    } else if (alwaysAbove) {
        add(0, 24);
    }
}

}  // namespace

void PaintDaylight(QPainter& painter, const Layout& layout, const ChartModel& model) {
    using namespace chart_colors;
    const Plot& plot = layout.plots[0];
    painter.fillRect(plot.rect, kNight);
    const int year = model.daylight ? model.daylight->year : 2000;
    if (model.daylight) {
        // Each band one outline, the days' stretches joined, so that no seam
        // shows between two days in any renderer.
        QPainterPath astronomical, nautical, civil, day;
        const std::vector<DaylightDay>& days = model.daylight->days;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DaylightDay& d = days[i];
            const double x = static_cast<double>(i);
            // Without a crossing the Sun stays on one side of the altitude all
            // day: above when even its lowest point is (the day is then as
            // long as 24 hours), judged by the transit altitude otherwise.
            const bool polarDay = d.apparentDaylightHours >= 24;
            AddAbove(astronomical, plot, x, d.astronomicalDawn, d.astronomicalDusk,
                     polarDay || d.transitAltitudeDeg > kAstronomicalTwilightAltitude);
            AddAbove(nautical, plot, x, d.nauticalDawn, d.nauticalDusk,
                     polarDay || d.transitAltitudeDeg > kNauticalTwilightAltitude);
            AddAbove(civil, plot, x, d.civilDawn, d.civilDusk,
                     polarDay || d.transitAltitudeDeg > kCivilTwilightAltitude);
            AddAbove(day, plot, x, d.sunrise, d.sunset, polarDay);
        }
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(Qt::NoPen);
        painter.fillPath(astronomical.simplified(), kAstronomical);
        painter.fillPath(nautical.simplified(), kNautical);
        painter.fillPath(civil.simplified(), kCivil);
        painter.fillPath(day.simplified(), kDay);
        painter.restore();
    }
    std::vector<Tick> hours = NumberTicks(0, 24, 3);
    for (Tick& t : hours)
        t.label = QStringLiteral("%1:00").arg(static_cast<int>(t.value), 2, 10, QLatin1Char('0'));
    // No grid: it would not stand out on every band.
    DrawAxes(painter, layout, plot, MonthTicks(year), hours, Tr("Data"), Tr("Ora dell'orologio"),
             NumberTicks(0, 24, 3), Tr("Durata del giorno (ore)"), 1e300);
    if (!model.daylight) return;
    const std::vector<DaylightDay>& days = model.daylight->days;
    painter.save();
    painter.setClipRect(plot.rect);
    // A line through the days with a time, broken where the time jumps; the
    // last point drawn.
    const auto line = [&](const std::function<ChartTime(const DaylightDay&)>& value,
                          const QPen& pen) {
        QPainterPath path;
        bool open = false;
        double last = 0;
        std::optional<QPointF> end;
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
            end = at;
        }
        DrawCasedPath(painter, path, pen);
        return end;
    };
    if (model.prayerLines) {
        const std::function<ChartTime(const DaylightDay&)> prayers[5] = {
            [](const DaylightDay& d) { return d.fajr; },
            [](const DaylightDay& d) { return d.zuhr; },
            [](const DaylightDay& d) { return d.asr1; },
            [](const DaylightDay& d) { return d.maghrib; },
            [](const DaylightDay& d) { return d.isha; }};
        std::optional<QPointF> ends[5];
        for (int i = 0; i < 5; ++i) {
            ends[i] = line(prayers[i], QPen(kPrayerColors[i], 1.8, kPrayerStyles[i]));
        }
        // Each named at its end, left of the frame's right side.
        const QFontMetricsF fm(painter.font());
        for (int i = 0; i < 5; ++i) {
            if (!ends[i]) continue;
            const QString name = Tr(kPrayerNames[i]);
            DrawLabel(painter,
                      *ends[i] - QPointF(fm.horizontalAdvance(name) + 12, -fm.ascent() / 2), name,
                      plot, kPrayerColors[i]);
        }
    }
    line(
        [](const DaylightDay& d) {
            return ChartTime{true, d.apparentDaylightHours};
        },
        QPen(kVermillion, 2.5));
    if (model.date.year == year) {
        DrawDateLine(painter, plot, QDate(year, model.date.month, model.date.day).dayOfYear() - 0.5,
                     DateText(model.date));
    }
    painter.restore();
}

}  // namespace tarvel::chart_draw
