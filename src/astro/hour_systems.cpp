#include "astro/hour_systems.h"

#include <cmath>

#include "astro/solar_events.h"

namespace tarvel {

ItalianBabylonianHours OldHoursAt(double trueLocalTime, double halfDayArc) {
    ItalianBabylonianHours hours;
    if (std::isnan(halfDayArc)) {
        hours.italian = 0.0;
        hours.babylonian = 0.0;
    } else {
        hours.italian = Wrap24(trueLocalTime - (12.0 + halfDayArc));
        hours.babylonian = Wrap24(trueLocalTime - (12.0 - halfDayArc));
    }
    return hours;
}

TemporalHour TemporalHourAt(double clock, double geometricRise, double geometricSet,
                            double halfDayArc, double summerHours, double equationOfTimeS,
                            double zoneMeridianHours) {
    const double c = clock;
    const double rg = geometricRise;
    const double sg = geometricSet;
    TemporalHour result;
    if (sg >= rg) {
        result.day = rg <= c && c <= sg;
    } else {
        result.day = !(sg <= c && c <= rg);
    }
    double x;
    double len;
    if (result.day) {
        const double rise =
            Wrap24(12.0 - halfDayArc + summerHours - equationOfTimeS / 3600.0 + zoneMeridianHours);
        len = 2.0 * halfDayArc / 12.0;
        x = (c - rise) / len;
        result.start = rise;
    } else {
        const double set =
            Wrap24(12.0 + halfDayArc + summerHours - equationOfTimeS / 3600.0 + zoneMeridianHours);
        len = (24.0 - 2.0 * halfDayArc) / 12.0;
        x = (c - set) / len;
        result.start = set;
    }
    while (x < 0.0) x += 24.0 / len;
    while (x > 12.0) x -= 24.0 / len;
    // The day or night is told by the searched rise and set, the hour's
    // length by the instant's half-day arc; where the two disagree by a
    // moment, x leaves [0, 12] by as much.
    if (x < 0.0) x = 0.0;
    if (x > 12.0) x = 12.0;
    result.hours = x;
    return result;
}

double DaylightLength(bool riseFound, bool setFound, double rise, double set, double h0,
                      double declination, double latitude) {
    if (riseFound && setFound) {
        const double length = set - rise;
        return length < 0.0 ? length + 24.0 : length;
    }
    if (riseFound || setFound) {
        const double arc = 2.0 * HourAngleAtAltitude(h0, declination, latitude);
        if (!std::isnan(arc)) return arc;
    }
    return SameSign(declination, latitude) ? 24.0 : 0.0;
}

}  // namespace tarvel
