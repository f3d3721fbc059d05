#include "astro/solar_events.h"

#include <algorithm>
#include <cmath>

#include "astro/constants.h"

namespace tarvel {

namespace {

const double kDegToRad = kPi / 180.0;
const double kRadToDeg = 180.0 / kPi;

// Hours reduced into (-12, 12].
double WrapHalfDay(double hours) {
    double x = std::fmod(hours, 24.0);
    if (x <= -12.0) x += 24.0;
    if (x > 12.0) x -= 24.0;
    return x;
}

}  // namespace

double Wrap24(double hours) {
    double x = hours;
    if (x < 0.0) x += 24.0;
    if (x > 24.0) x -= 24.0;
    if (x < 0.0 || x > 24.0) {
        x = std::fmod(x, 24.0);
        if (x < 0.0) x += 24.0;
    }
    return x;
}

double ApparentHorizonAltitude(double heightM) {
    const double dipHeight = heightM > 0.0 ? heightM : 0.0;
    return (-50.0 - 2.12 * std::sqrt(dipHeight)) / 60.0;
}

SearchClock::SearchClock(const SolarRequest& request)
    : year(request.year),
      month(request.month),
      day(request.day),
      zoneHours(request.zoneHours),
      zoneSeconds(request.zoneSeconds),
      latitude(request.latitude) {
    // The summer shift: whole hours off the clock's hour, the rest (half an
    // hour at some places) off its seconds; 1 and 0 for the summer box.
    const int shift = request.summerTime ? request.summerShiftSeconds : 0;
    summerHour = shift / 3600;
    summerRestSeconds = static_cast<double>(shift - 3600 * summerHour);
    summerHours = shift / 3600.0;
    zoneWhole = static_cast<std::int16_t>(std::trunc(request.zoneHours));
    zoneRest =
        static_cast<int>(std::trunc(request.zoneMinutes - 60 * std::trunc(request.zoneHours)));
    // The longitude difference from the zone meridian, degrees positive west.
    const double l =
        request.zoneMinutes * 15 / 60 + request.zoneSeconds / 240.0 + request.longitude;
    longitudeDifferenceHours = l / 15.0;
    zoneMeridianHours = l * 240 / 3600;
}

double SearchClock::JulianDay(double t) const {
    const int h = static_cast<int>(std::trunc(t));
    const int m = static_cast<int>(std::trunc((t - h) * 60.0));
    const double sec = ((t - h) - m / 60.0) * 3600.0;
    return ClockReadingToJulianDay(year, month, day, h - summerHour, m,
                                   sec - zoneSeconds - summerRestSeconds, zoneWhole, zoneRest);
}

double SearchClock::ApparentToClock(double apparent, double equationOfTimeS) const {
    return Wrap24(apparent + summerHours - equationOfTimeS / 3600.0 + zoneMeridianHours);
}

double HourAngleAtAltitude(double h0, double dec, double latitude) {
    const double x =
        (std::sin(h0 * kDegToRad) - std::sin(dec * kDegToRad) * std::sin(latitude * kDegToRad)) /
        (std::cos(dec * kDegToRad) * std::cos(latitude * kDegToRad));
    return std::acos(x) * kRadToDeg / 15.0;
}

double GeometricHalfDayArc(double dec, double latitude) {
    return std::acos(-std::tan(latitude * kDegToRad) * std::tan(dec * kDegToRad)) * kRadToDeg /
           15.0;
}

bool AltitudeReachedOnDay(double altitude, double dec, double latitude) {
    const double highest = 90.0 - std::fabs(latitude - dec);
    const double lowest = std::fabs(latitude + dec) - 90.0;
    return !(altitude > highest || altitude < lowest);
}

double SearchAltitude(const SearchClock& clock, const SunState& sun, double t) {
    const double apparent =
        t - clock.summerHours + sun.equationOfTime / 3600.0 - clock.zoneMeridianHours;
    const double hourAngle = (apparent - 12.0) * 15.0 * kDegToRad;
    const double phi = clock.latitude * kDegToRad;
    const double dec = sun.declination * kDegToRad;
    const double sinAltitude =
        std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(hourAngle);
    return std::asin(std::clamp(sinAltitude, -1.0, 1.0)) * kRadToDeg;
}

double TransitHourAngle(const SearchClock& clock, const SunState& sun, double t) {
    double theta = clock.zoneHours + clock.zoneSeconds / 3600.0 + sun.siderealTime -
                   clock.longitudeDifferenceHours;
    if (theta > 24.0) theta -= 24.0;
    if (theta < 0.0) theta += 24.0;
    const double elapsedHours = (clock.JulianDay(t) - sun.julianDay) * 24.0;
    return WrapHalfDay(theta - sun.rightAscension + elapsedHours * kSiderealRate);
}

double AzimuthDifference(double azimuth, double target) {
    double d = azimuth - target;
    if (d <= -180.0) d += 360.0;
    if (d > 180.0) d -= 360.0;
    return d;
}

}  // namespace tarvel
