// Requests and fresh evaluations of the Sun shared by the tests of the
// computation and of its users.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "astro/apparent_sun.h"
#include "astro/solar_computation.h"

namespace tarvel::test_support {

// "2024-03-31 02:30:15.500": a clock reading as the tests show it.
inline std::string ReadingText(const ClockReading& r) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%06.3f", r.year, r.month, r.day,
                  r.hour, r.minute, r.second);
    return text;
}

// A request for a clock reading at a site (longitude positive WEST), with
// Delta T from the model as the command-line tool and the table use it.
inline SolarRequest Request(int year, int month, int day, int hour, int minute, double second,
                            float zone, bool summer, double latitude, double longitudeWest) {
    SolarRequest rq;
    rq.SetClockReading({year, month, day, hour, minute, second});
    rq.SetZone(zone);
    rq.summerTime = summer;
    rq.latitude = latitude;
    rq.longitude = longitudeWest;
    rq.deltaTGiven = false;
    return rq;
}

// The same with a given Delta T, as the main window passes it.
inline SolarRequest RequestWithDeltaT(double deltaT, SolarRequest rq) {
    rq.deltaT = deltaT;
    rq.deltaTGiven = true;
    return rq;
}

// The Sun at clock time t (hours on the request's clock) of the request's
// date, from the seconds since midnight rather than the driver's splitting.
inline SunState SunAt(const SolarRequest& rq, double t) {
    const double standard = t - (rq.summerTime ? rq.summerShiftSeconds / 3600.0 : 0.0);
    const int zh = static_cast<int>(std::trunc(rq.zoneHours));
    const int zm = static_cast<int>(std::lround(rq.zoneMinutes - 60 * zh));
    return SunPosition(rq.year, rq.month, rq.day, 0, 0, standard * 3600.0,
                       static_cast<std::int16_t>(zh), zm, rq.latitude, rq.longitude, rq.deltaT,
                       rq.deltaTGiven);
}

// An angle in degrees reduced into (-180, 180].
inline double WrapDegrees180(double x) {
    x = std::fmod(x, 360.0);
    if (x > 180) x -= 360;
    if (x <= -180) x += 360;
    return x;
}

}  // namespace tarvel::test_support
