#include "astro/calendar.h"

#include <cmath>
#include <cstdint>

namespace tarvel {

namespace {

// INT(x) of the calendar algorithms: the floor, also for negative numbers.
double Int(double x) { return std::floor(x); }

// std::modf for 0 <= x < 2^31: returns the fraction and sets whole to the whole
// part, the same two doubles (the truncation is exact there, and so is the
// difference).
double SplitWhole(double x, double& whole) {
    whole = static_cast<double>(static_cast<std::int64_t>(x));
    return x - whole;
}

// The calendar date of the day number z = INT(jd + 0.5).
struct DateOfDay {
    int z = -1;
    int year = 0;
    int month = 0;
    int day = 0;
};

DateOfDay ComputeDateOfDay(int z) {
    // The algorithm's INT(x / q) of whole numbers, in integer arithmetic with
    // the divisors as fractions: alpha = INT((z - 1867216.25) / 36524.25),
    // c = INT((b - 122.1) / 365.25), d = INT(365.25 c), e = INT((b - d) /
    // 30.6001) and INT(30.6001 e). Every quotient is positive, and none of the
    // double quotients lies close enough to a whole number for its rounding to
    // change the floor: the integers equal the algorithm's doubles for every z
    // of the range (0 ... 2^31 - 1, all of them compared).
    std::int64_t a = z;
    if (z >= 2299161) {
        const std::int64_t alpha = (4 * static_cast<std::int64_t>(z) - 7468865) / 146097;
        a = z + 1 + alpha - alpha / 4;
    }
    const std::int64_t b = a + 1524;
    const std::int64_t c = (20 * b - 2442) / 7305;
    const std::int64_t d = 1461 * c / 4;
    const std::int64_t e = 10000 * (b - d) / 306001;
    DateOfDay date;
    date.z = z;
    date.day = static_cast<int>(b - d - 306001 * e / 10000);
    date.month = e < 14 ? static_cast<int>(e) - 1 : static_cast<int>(e) - 13;
    date.year = date.month > 2 ? static_cast<int>(c) - 4716 : static_cast<int>(c) - 4715;
    return date;
}

// The date of a day number, kept per thread for the last one asked: the
// evaluations of a search convert instants of one or two days, so the date
// is computed once per day rather than once per instant.
DateOfDay DateOfDayNumber(int z) {
    thread_local DateOfDay last;
    if (last.z != z) last = ComputeDateOfDay(z);
    return last;
}

const int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

double JulianDayFromCalendar(int year, int month, double day, int gregorian) {
    int y = year;
    int m = month;
    if (month < 3) {
        y = year - 1;
        m = month + 12;
    }
    double b = 0.0;
    if (gregorian != 0) {
        const double a = Int(y / 100.0);
        b = 2.0 - a + Int(a * 0.25);
    }
    return Int((y + 4716) * 365.25) + Int((m + 1) * 30.6001) + day + b - 1524.5;
}

int IsLeapYear(int year, int gregorian) {
    if (gregorian != 0 && year % 100 == 0) return year % 400 == 0 ? 1 : 0;
    return year % 4 == 0 ? 1 : 0;
}

void JulianDate::SetDateTime(int year, int month, double day, double hour, double minute,
                             double second, int gregorianFlag) {
    gregorian = gregorianFlag;
    const double dayWithFraction = hour / 24.0 + day + minute / 1440.0 + second / 86400.0;
    jd = JulianDayFromCalendar(year, month, dayWithFraction, gregorianFlag);
}

void JulianDate::ToCalendar(int& year, int& month, int& day, int& hour, int& minute,
                            double& second) const {
    // Outside the range of the algorithm (and of int) every field is 0 and the
    // second is not a number, rather than an undefined conversion.
    if (!(jd + 0.5 >= 0.0 && jd + 0.5 < 2147483647.0)) {
        year = month = day = hour = minute = 0;
        second = std::nan("");
        return;
    }
    double whole = 0.0;
    const double f = SplitWhole(jd + 0.5, whole);
    const DateOfDay date = DateOfDayNumber(static_cast<int>(whole));
    const double dayWithFraction = static_cast<double>(date.day) + f;
    day = static_cast<int>(dayWithFraction);
    month = date.month;
    year = date.year;
    double dayWhole = 0.0;
    const double g = SplitWhole(dayWithFraction, dayWhole);
    hour = static_cast<int>(Int(g * 24.00001));
    minute = static_cast<int>(Int((g - hour / 24.0) * 1440.00001));
    second = (g - hour / 24.0 - minute / 1440.0) * 86400.0;
}

double JulianDate::FractionalYear() const {
    int y, m, d, h, mi;
    double s;
    ToCalendar(y, m, d, h, mi, s);
    const double j1 = JulianDayFromCalendar(y, 1, 1.0, gregorian);
    const double n = IsLeapYear(y, gregorian) ? 366.0 : 365.0;
    return y + (jd - j1) / n;
}

int JulianDate::DaysInMonth() const {
    int y, m, d, h, mi;
    double s;
    ToCalendar(y, m, d, h, mi, s);
    return MonthLength(y, m, gregorian);
}

int MonthLength(int year, int month, int gregorian) {
    if (month == 2 && IsLeapYear(year, gregorian)) return 29;
    return kMonthLength[month - 1];
}

}  // namespace tarvel
