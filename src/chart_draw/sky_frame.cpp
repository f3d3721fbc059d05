#include "chart_draw/sky_frame.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "astro/prayer_times.h"
#include "chart_draw/chart_axes.h"
#include "chart_draw/chart_colors.h"
#include "chart_draw/chart_texts.h"

namespace tarvel::chart_draw {

// A polyline of sky points, broken where it crosses the axis' edge.
void DrawSkyPath(QPainter& painter, const Plot& plot, const std::vector<SkyPoint>& path,
                 double latitude) {
    QPainterPath line;
    bool started = false;
    double last = 0;
    for (const SkyPoint& p : path) {
        const double x = AxisBearing(p.bearingDeg, latitude);
        const QPointF at = plot.Map(x, p.altitudeDeg);
        if (!started || (!plot.polar && std::abs(x - last) > 180)) {
            line.moveTo(at);
            started = true;
        } else {
            line.lineTo(at);
        }
        last = x;
    }
    DrawCasedPath(painter, line, painter.pen());
}

// The polar form's sky: the twilights as rings outside the horizon, circles
// of altitude every 10 degrees, the bearings every 45 with their compass
// points, and what the projection is.
void DrawPolarSky(QPainter& painter, const Layout& layout, const Plot& plot,
                  double apparentHorizon) {
    using namespace chart_colors;
    const QPointF centre = plot.rect.center();
    const auto circle = [&](double altitude) {
        const double r = plot.Radius(altitude);
        return QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    const double rings[4] = {kAstronomicalTwilightAltitude, kNauticalTwilightAltitude,
                             kCivilTwilightAltitude, 0};
    const QColor colours[4] = {kAstronomical, kNautical, kCivil, QColor(Qt::white)};
    for (int i = 0; i < 4; ++i) {
        painter.setBrush(colours[i]);
        painter.drawEllipse(circle(rings[i]));
    }
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF fm(layout.font);
    painter.setFont(layout.font);
    // The grid over the white sky only.
    painter.setPen(QPen(kGrid, 1));
    for (int altitude = 10; altitude < 90; altitude += 10) painter.drawEllipse(circle(altitude));
    for (int bearing = 0; bearing < 360; bearing += 45) {
        painter.drawLine(centre, plot.Map(bearing, 0));
    }
    painter.setPen(chart_colors::kBlack);
    for (int altitude = 10; altitude < 90; altitude += 20) {
        const QPointF at = plot.Map(0, altitude);
        painter.drawText(at + QPointF(3, -2), Number(altitude, 0) + QStringLiteral("°"));
    }
    for (int i = 0; i < 8; ++i) {
        const double bearing = i * 45.0;
        const QString text = Tr(kCompassPoints[i]);
        const double r = plot.Rim() + fm.height() * 0.8;
        const QPointF at(centre.x() + r * std::sin(Plot::Rad(bearing)),
                         centre.y() - r * std::cos(Plot::Rad(bearing)));
        painter.drawText(
            at + QPointF(-fm.horizontalAdvance(text) / 2, fm.ascent() / 2 - fm.descent() / 2),
            text);
    }
    painter.setPen(QPen(kBlack, 1.5));
    painter.drawEllipse(circle(0));
    painter.setPen(QPen(kBlack, 1, Qt::DashLine));
    painter.drawEllipse(circle(apparentHorizon));
    const QString note =
        Tr("Proiezione stereografica: lo zenit al centro, il nord in alto, l'est a destra");
    painter.setPen(kBlack);
    painter.drawText(QPointF(centre.x() - fm.horizontalAdvance(note) / 2,
                             plot.rect.bottom() + fm.height() * 1.2),
                     note);
    painter.restore();
}

void DrawSkyBackground(QPainter& painter, const Plot& plot, double apparentHorizon) {
    using namespace chart_colors;
    const double bands[4] = {0, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                             kAstronomicalTwilightAltitude};
    const QColor colors[3] = {kCivil, kNautical, kAstronomical};
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        const QPointF a = plot.Map(plot.x0, bands[i]);
        const QPointF b = plot.Map(plot.x1, std::max(bands[i + 1], plot.y0));
        painter.fillRect(QRectF(a, b).normalized(), colors[i]);
    }
    painter.fillRect(
        QRectF(plot.Map(plot.x0, kAstronomicalTwilightAltitude), plot.Map(plot.x1, plot.y0))
            .normalized(),
        kNight);
    painter.setPen(QPen(kBlack, 1.5));
    painter.drawLine(plot.Map(plot.x0, 0), plot.Map(plot.x1, 0));
    painter.setPen(QPen(kBlack, 1, Qt::DashLine));
    painter.drawLine(plot.Map(plot.x0, apparentHorizon), plot.Map(plot.x1, apparentHorizon));
    painter.restore();
}

// The sky of the sun paths, in the Cartesian or the polar form.
void DrawSky(QPainter& painter, const Layout& layout, const Plot& plot, double apparentHorizon) {
    if (plot.polar) {
        DrawPolarSky(painter, layout, plot, apparentHorizon);
        return;
    }
    DrawSkyBackground(painter, plot, apparentHorizon);
    DrawAxes(painter, layout, plot, BearingTicks(plot), NumberTicks(plot.y0, plot.y1, 10),
             Tr("Azimut in gradi da nord verso est (nel programma: da sud verso ovest)"),
             Tr("Altezza (gradi)"), {}, {}, 0.0);
}

}  // namespace tarvel::chart_draw
