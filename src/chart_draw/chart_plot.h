// The projection of a chart: a plotting area and the ranges it shows, from
// values (bearings and altitudes, days and minutes or hours) to pixels and
// back.
#pragma once

#include <QPointF>
#include <QRectF>
#include <cmath>

namespace tarvel::chart_draw {

// A bearing on a sky chart's axis: 0 to 360 for a site north of the equator
// (the south in the middle), -180 to 180 south of it (the north in the middle).
inline double AxisBearing(double bearing, double latitude) {
    return latitude < 0 && bearing > 180 ? bearing - 360 : bearing;
}

// A rectangle of the chart and the ranges it shows.
// In the polar form (a sky chart, x a bearing and y an altitude) the sky is
// projected stereographically from the nadir: the zenith in the middle, the
// north up and the east to the right (the plan of a site), altitude y0 on the
// rim of the square rect (less a margin for the compass points).
struct Plot {
    QRectF rect;
    double x0 = 0, x1 = 1, y0 = 0, y1 = 1;
    bool polar = false;
    double rimMargin = 0;  // polar: pixels between the rim and rect

    static double Rad(double degrees) { return degrees * std::acos(-1.0) / 180.0; }
    double Rim() const { return rect.width() / 2 - rimMargin; }
    // Radius of the horizon: the rim is at altitude y0.
    double HorizonRadius() const { return Rim() / std::tan(Rad((90.0 - y0) / 2)); }
    double Radius(double altitude) const {
        return HorizonRadius() * std::tan(Rad((90.0 - altitude) / 2));
    }

    QPointF Map(double x, double y) const {
        if (polar) {
            const double r = Radius(y);
            return {rect.center().x() + r * std::sin(Rad(x)),
                    rect.center().y() - r * std::cos(Rad(x))};
        }
        return {rect.left() + (x - x0) / (x1 - x0) * rect.width(),
                rect.bottom() - (y - y0) / (y1 - y0) * rect.height()};
    }
    double X(const QPointF& p) const {
        if (polar) {
            const double b =
                std::atan2(p.x() - rect.center().x(), rect.center().y() - p.y()) / Rad(1.0);
            return b < 0 ? b + 360 : b;
        }
        return x0 + (p.x() - rect.left()) / rect.width() * (x1 - x0);
    }
    double Y(const QPointF& p) const {
        if (polar) {
            const double r = std::hypot(p.x() - rect.center().x(), p.y() - rect.center().y());
            return 90.0 - 2.0 * std::atan(r / HorizonRadius()) / Rad(1.0);
        }
        return y0 + (rect.bottom() - p.y()) / rect.height() * (y1 - y0);
    }
    bool Contains(const QPointF& p) const {
        if (polar) {
            return std::hypot(p.x() - rect.center().x(), p.y() - rect.center().y()) <= Rim();
        }
        return rect.contains(p);
    }
};

}  // namespace tarvel::chart_draw
