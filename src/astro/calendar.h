// Calendar dates and Julian Days.
//
// Given:    civil dates (proleptic Gregorian, or Julian with the flag cleared)
//           with the time of day as a fraction of the day.
// Returned: Julian Days (double), calendar dates back from them, fractional
//           years, month lengths.
// Notes:    pure functions: no state, no allocation, no error reporting.
//           Integer parts are floors, so dates before year 0 work too.
// References: J. Meeus, Astronomical Algorithms, 2nd ed. (Willmann-Bell,
//           1998), ch. 7 (Julian Day and its inverse).
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

}  // namespace tarvel
