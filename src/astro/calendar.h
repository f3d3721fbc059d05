// Calendar dates, Julian Days and the small angle and range helpers that every
// other part of the solar computation uses.
//
// Given:    civil dates (proleptic Gregorian, or Julian with the flag cleared)
//           with the time of day as a fraction of the day; angles in degrees,
//           hours or radians.
// Returned: Julian Days (double), calendar dates back from them, fractional
//           years, month lengths; angles converted or reduced into a range.
// Notes:    pure functions: no state, no allocation, no error reporting.
//           Integer parts are floors, so dates before year 0 work too.
// References: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell,
//           1998), ch. 7 (Julian Day and its inverse) and ch. 1 (angles).
#pragma once

namespace tarvel {

// Julian Day of a calendar date; the day may carry a fraction, be 0, negative or
// exceed the month (the formula counts on). gregorian != 0 selects the Gregorian
// rules, 0 the Julian rules. Integer parts are floors.
double JulianDayFromCalendar(int year, int month, double day, int gregorian);

// 1 when the year is a leap year under the selected rules, else 0. Works for
// negative years (0 and -4 are leap).
int IsLeapYear(int year, int gregorian);

// Days in a month (1 ... 12) of a year: 28 to 31, February by IsLeapYear.
int MonthLength(int year, int month, int gregorian);

// A Julian Day (the day starts at noon) with a calendar flag. The flag governs
// only the direction calendar date -> Julian Day and the leap-year rule of
// DaysInMonth and FractionalYear; ToCalendar returns Julian-calendar dates before
// JD 2299160.5 and Gregorian dates from then on, whatever the flag.
struct JulianDate {
    double jd = 0.0;
    int gregorian = 1;

    JulianDate() = default;
    JulianDate(double julianDay, int gregorianFlag) : jd(julianDay), gregorian(gregorianFlag) {}
    JulianDate(int year, int month, double day, int gregorianFlag)
        : jd(JulianDayFromCalendar(year, month, day, gregorianFlag)), gregorian(gregorianFlag) {}

    // Stores the flag and sets jd from the date and time of day; hours, minutes
    // and seconds outside their usual ranges are counted on linearly.
    void SetDateTime(int year, int month, double day, double hour, double minute, double second,
                     int gregorianFlag);

    // Calendar date and time of day of jd. Just below a whole hour or minute
    // (within about 0.036 s) the hour or minute is already the next one and the
    // following field is negative; hour/24 + minute/1440 + second/86400 always
    // equals the day fraction.
    void ToCalendar(int& year, int& month, int& day, int& hour, int& minute, double& second) const;

    // Calendar year plus the elapsed fraction of it (exactly the year at
    // January 1, 0h).
    double FractionalYear() const;

    // Length of the calendar month that contains jd (28 to 31).
    int DaysInMonth() const;
};

// Degrees from magnitudes of degrees, minutes and seconds; the flag carries the
// sign (nonzero: positive). Inline, with the conversions below: every series
// and coordinate step uses them, and a call would cost more than the product.
inline double DmsToDegrees(double deg, double min, double sec, int positive) {
    if (positive != 0) return deg + min / 60.0 + sec / 3600.0;
    return -deg - min / 60.0 - sec / 3600.0;
}
inline double DegreesToHours(double degrees) {
    return degrees / 15.0;
}
inline double DegToRad(double degrees) {
    return degrees * 0.017453292519943295;
}
inline double RadToDeg(double radians) {
    return radians * 57.29577951308232;
}
inline double HoursToRad(double hours) {
    return hours * 0.26179938779914946;
}
inline double RadToHours(double radians) {
    return radians * 3.819718634205488;
}

// Into [0, 24] by whole days; 24 stays 24, -24 becomes 0. Not-a-number comes
// back as not-a-number, an infinite value as not-a-number.
double NormalizeHours(double hours);
// Into [0, 360] by whole turns; 360 stays 360. Non-finite as NormalizeHours.
double NormalizeDegrees(double degrees);
// Into -pi ... +pi: pi becomes -pi, -pi becomes +pi.
double WrapRadians(double radians);

}  // namespace tarvel
