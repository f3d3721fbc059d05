#include "astro/time_scales.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/nutation.h"

namespace tarvel {

namespace {

// Delta T in seconds at the start of every even year 1620, 1622, ... 1900.
const double kDeltaTTable1620[141] = {
    121.0, 112.0, 103.0, 95.0, 88.0, 82.0, 77.0, 72.0, 68.0, 63.0,
    60.0, 56.0, 53.0, 51.0, 48.0, 46.0, 44.0, 42.0, 40.0, 38.0,
    35.0, 33.0, 31.0, 29.0, 26.0, 24.0, 22.0, 20.0, 18.0, 16.0,
    14.0, 12.0, 11.0, 10.0, 9.0, 8.0, 7.0, 7.0, 7.0, 7.0,
    7.0, 7.0, 8.0, 8.0, 9.0, 9.0, 9.0, 9.0, 9.0, 10.0,
    10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 10.0, 11.0, 11.0, 11.0,
    11.0, 11.0, 12.0, 12.0, 12.0, 12.0, 13.0, 13.0, 13.0, 14.0,
    14.0, 14.0, 14.0, 15.0, 15.0, 15.0, 15.0, 15.0, 16.0, 16.0,
    16.0, 16.0, 16.0, 16.0, 16.0, 16.0, 15.0, 15.0, 14.0, 13.0,
    13.1, 12.5, 12.2, 12.0, 12.0, 12.0, 12.0, 12.0, 12.0, 11.9,
    11.6, 11.0, 10.2, 9.2, 8.2, 7.1, 6.2, 5.6, 5.4, 5.3,
    5.4, 5.6, 5.9, 6.2, 6.5, 6.8, 7.1, 7.3, 7.5, 7.6,
    7.7, 7.3, 6.2, 5.2, 2.7, 1.4, -1.2, -2.8, -3.8, -4.8,
    -5.5, -5.3, -5.6, -5.7, -5.9, -6.0, -6.3, -6.5, -6.2, -4.7,
    -2.8,};

// Delta T in seconds for every year 1900 ... 2024.
const double kDeltaTTable1900[125] = {
    -2.395, -1.115, 0.27, 1.605, 2.935, 4.265, 5.465, 6.645, 8.065, 9.455,
    10.685, 12.055, 13.615, 15.035, 16.32, 17.455, 18.43, 19.41, 20.34, 21.0,
    21.595, 22.18, 22.65, 23.15, 23.505, 23.715, 24.1, 24.405, 24.28, 24.09,
    24.03, 23.945, 23.92, 23.925, 23.91, 23.865, 23.815, 23.93, 23.98, 24.12,
    24.48, 24.955, 25.43, 25.91, 26.405, 26.9, 27.41, 27.9, 28.375, 28.825,
    29.265, 29.685, 30.08, 30.465, 30.825, 31.155, 31.4325, 31.8, 32.3075, 32.795,
    33.2735, 33.694, 34.116, 34.5985, 35.215, 35.9425, 36.7705, 37.654, 38.522, 39.4555,
    40.444, 41.428, 42.526, 43.666, 44.7415, 45.73, 46.7275, 47.7775, 48.817, 49.8455,
    50.7575, 51.596, 52.37, 53.1955, 53.938, 54.59016667, 55.0832, 55.54801667, 56.05120833, 56.53899167,
    57.18044167, 57.91019167, 58.68998333, 59.52853333, 60.35274167, 61.1849, 61.94531667, 62.61115833, 63.228, 63.63414167,
    63.95448333, 64.18799167, 64.3902, 64.53226667, 64.63073333, 64.77215, 64.97229167, 65.30396667, 65.6035, 65.91665,
    66.2035, 66.44679167, 66.74423333, 67.08893333, 67.453075, 67.841575, 68.34841667, 68.78193333, 69.08806667, 69.31695833,
    69.38875, 69.333975, 69.24795, 69.19801667, 69.19115,};

// From 2025 on the model holds Delta T fixed at the 2023 value.
constexpr double kDeltaTFrom2025 = 69.19801667;

}  // namespace

CalendarInstant CalendarOfJulianDay(double jd) {
    CalendarInstant c;
    JulianDate(jd, 1).ToCalendar(c.year, c.month, c.day, c.hour, c.minute, c.second);
    return c;
}

double DeltaTSeconds(double jd) {
    return DeltaTSeconds(jd, CalendarOfJulianDay(jd));
}

double DeltaTSeconds(double jd, const CalendarInstant& calendar) {
    // The fractional year of jd (JulianDate::FractionalYear).
    const double j1 = JulianDayFromCalendar(calendar.year, 1, 1.0, 1);
    const double n = IsLeapYear(calendar.year, 1) ? 366.0 : 365.0;
    const double y = calendar.year + (jd - j1) / n;
    const double t = (y - 2000.0) / 100.0;
    if (y < 948.0) return 2177.0 + 497.0 * t + 44.1 * (t * t);
    if (y < 1620.0) return 102.0 + 102.0 * t + 25.3 * (t * t);
    if (y < 1900.0) {
        const int i = static_cast<int>((y - 1620.0) * 0.5);
        const double f = y * 0.5 - i - 810.0;
        return kDeltaTTable1620[i] + f * (kDeltaTTable1620[i + 1] - kDeltaTTable1620[i]);
    }
    if (y < 2025.0) return kDeltaTTable1900[static_cast<int>(y - 1900.0)];
    if (y >= 2025.0) return kDeltaTFrom2025;
    return std::nan("");  // not-a-number instant
}

double GreenwichSiderealTime(double jd) {
    return GreenwichSiderealTime(jd, Nutation2000BBoth(jd));
}

double GreenwichSiderealTime(double jd, const Nutation2000B& nutation) {
    return GreenwichSiderealTime(jd, nutation, CalendarOfJulianDay(jd));
}

double GreenwichSiderealTime(double jd, const Nutation2000B& nutation,
                             const CalendarInstant& calendar) {
    const double epsilon0 = MeanObliquity(jd);
    const double epsilon = epsilon0 + nutation.obliquityArcsec / 3600.0;
    const double dpsi = nutation.longitudeArcsec;

    const int year = calendar.year;
    const int month = calendar.month;
    const int day = calendar.day;
    const int hour = calendar.hour;
    const int minute = calendar.minute;
    const double second = calendar.second;
    const int g = jd >= 2299160.5 ? 1 : 0;
    const double jd0 = JulianDayFromCalendar(year, month, day, g);
    const double t = (jd0 - 2451545.0) / 36525.0;
    const double theta0 =
        100.46061837 + 36000.770053608 * t + 0.000387933 * (t * t) - (t * t * t) / 38710000.0;
    const double theta =
        theta0 + (15.0 * hour + 0.25 * minute + 0.004166666666666667 * second) * kSiderealRate;
    const double gmst = NormalizeHours(theta / 15.0);
    return NormalizeHours(gmst + dpsi * std::cos(DegToRad(epsilon)) / 54000.0);
}

}  // namespace tarvel
