// The two things the table takes from the user's locale: the decimal separator
// (LC_NUMERIC) and the short date format of the date cells (LC_TIME). They are
// passed to the writers explicitly, so a run never changes the process's
// locale and tests can pin them.
#pragma once

#include <array>
#include <string>

namespace tarvel {

struct TableLocale {
    // The locale's decimal separator: one character (UTF-8, may take several
    // bytes). "." leaves every text as formatted.
    std::string decimalSeparator = ".";
    // The short date format, in strftime conversions (the locale's "%x"). The
    // project's own formatter prints it (FormatShortDate), so every year prints.
    std::string shortDatePattern = "%d/%m/%Y";
    // Names for %b/%h, %B, %a and %A (January and Sunday first), UTF-8.
    std::array<std::string, 12> abbreviatedMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> monthNames = {"January",   "February", "March",    "April",
                                              "May",       "June",     "July",     "August",
                                              "September", "October",  "November", "December"};
    std::array<std::string, 7> abbreviatedDayNames = {"Sun", "Mon", "Tue", "Wed",
                                                      "Thu", "Fri", "Sat"};
    std::array<std::string, 7> dayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                           "Thursday", "Friday", "Saturday"};
};

// The user's locale as the environment sets it (LC_ALL, then LC_NUMERIC or
// LC_TIME, then LANG), read without changing the process's locale. Falls back
// to the defaults of TableLocale ("." and day/month/year with four-digit years)
// for a category set to the C or POSIX locale or to a locale that is not
// installed, and for any text that is not valid UTF-8.
TableLocale TableLocaleFromEnvironment();

// A calendar date in locale.shortDatePattern. Supported conversions: %d %e %m
// %y %Y %C %j %b %h %B %a %A %u %w %D (%m/%d/%y) %F (%Y-%m-%d) %n %t %%, with
// the glibc padding flags "-" (none), "_" (blanks), "0" (zeros) and "^"
// (upper case, ASCII letters only) and the E and O modifiers (ignored). Any
// other conversion is copied as it stands. The date must be a real Gregorian
// date; any year prints (with all its digits).
std::string FormatShortDate(int year, int month, int day, const TableLocale& locale);

}  // namespace tarvel
