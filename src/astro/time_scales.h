// Time scales: Delta T (TT - UT) from the built-in model and Greenwich sidereal
// time.
//
// Given:    a UT Julian Day.
// Returned: Delta T in seconds; apparent Greenwich sidereal time in hours.
// Notes:    JDE = JD + DeltaT / 86400 is the dynamical instant at which
//           positions, nutation and obliquity are evaluated.
// References:
//   Delta T before 948 and 948-1620: the polynomials 2177 + 497 t + 44.1 t^2
//     and 102 + 102 t + 25.3 t^2 (t in centuries from 2000) quoted by Meeus,
//     Astronomical Algorithms, 2nd ed., ch. 10;
//   1620-1900: the biennial values of Meeus's table 10.A (from the
//     historical determinations of F. R. Stephenson and L. V. Morrison);
//   1900-2024: yearly means of the observed TT - UT1 published by the US
//     Naval Observatory from the IERS Earth-orientation determinations;
//   from 2025: the mean of 2023, held fixed.
//   Sidereal time: the IAU 1982 expression of mean sidereal time (Meeus ch.
//     12, eq. 12.4) plus the equation of the equinoxes of the IAU 2000B
//     nutation (D. McCarthy and B. Luzum, Celest. Mech. Dyn. Astr. 85, 37,
//     2003; IERS Conventions 2003, ch. 5).
#pragma once

namespace tarvel {

// Delta T in seconds for a Julian Day (the UT Julian Day of the instant):
// polynomials before 1620, the biennial table 1620-1899 (interpolated), the
// yearly table 1900-2024 (not interpolated), a fixed value from 2025 on.
// JDE = JD + DeltaT / 86400.
double DeltaTSeconds(double jd);

// Greenwich sidereal time in hours, [0, 24], for a UT Julian Day: the mean
// sidereal time of the 0h-UT polynomial plus the equation of the equinoxes from
// the IAU 2000B nutation, all evaluated at jd itself (no Delta T).
double GreenwichSiderealTime(double jd);

struct Nutation2000B;

// The same with the IAU 2000B nutation at jd already known (Nutation2000BBoth(jd)
// or NutationsForSun); the same value to the last bit.
double GreenwichSiderealTime(double jd, const Nutation2000B& nutation);

// The calendar date and time of day of a UT Julian Day, as
// JulianDate(jd, 1).ToCalendar gives them. Delta T reads the year and the
// sidereal time all of them: at one instant one conversion serves both.
struct CalendarInstant {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    double second = 0;
};
CalendarInstant CalendarOfJulianDay(double jd);

// DeltaTSeconds(jd) and GreenwichSiderealTime(jd, nutation) with the calendar
// of jd already known (CalendarOfJulianDay(jd)); the same values to the last bit.
double DeltaTSeconds(double jd, const CalendarInstant& calendar);
double GreenwichSiderealTime(double jd, const Nutation2000B& nutation,
                             const CalendarInstant& calendar);

}  // namespace tarvel
