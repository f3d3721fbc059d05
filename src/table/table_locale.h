// The two things the table takes from the user's locale: the decimal separator
// (LC_NUMERIC) and the short date of the date cells (LC_TIME). They are passed
// to the writers explicitly, so a run never changes the process's locale and
// tests can pin them; a caller with its own locale (a window) can also pass its
// own date writer.
#pragma once

#include <locale.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

namespace tarvel {

// A locale object of the C library (newlocale), freed with its last copy.
using CLocaleHandle = std::shared_ptr<std::remove_pointer_t<locale_t>>;

// Writes a calendar date (Gregorian; any year) as the date cells show it.
using TableDateFormatter = std::function<std::string(int year, int month, int day)>;

struct TableLocale {
    // The locale's decimal separator: one character (UTF-8, may take several
    // bytes). "." leaves every text as formatted.
    std::string decimalSeparator = ".";
    // The short date format, in strftime conversions (the locale's "%x").
    std::string shortDatePattern = "%d/%m/%Y";
    // The LC_TIME locale in which shortDatePattern prints (month and day names
    // of %b, %B, %a, %A ...); empty: the C locale.
    CLocaleHandle timeLocale;
    // When set, writes the date cells instead of shortDatePattern and
    // timeLocale; it may be called from several threads at once.
    TableDateFormatter formatDate;
};

// The user's locale as the environment sets it (LC_ALL, then LC_NUMERIC or
// LC_TIME, then LANG), read without changing the process's locale. Falls back
// to the defaults of TableLocale ("." and day/month/year with four-digit years
// in the C locale) for a category set to the C or POSIX locale or to a locale
// that is not installed, and for a separator or pattern that is not valid
// UTF-8.
TableLocale TableLocaleFromEnvironment();

// A calendar date as the date cells show it: locale.formatDate when set,
// otherwise strftime_l of locale.shortDatePattern in locale.timeLocale, for the
// date with its real day of the week and day of the year. Every year prints
// with all its digits (strftime's %Y). A text that is not valid UTF-8 (names of
// a locale in another character set) is written again in the C locale.
std::string FormatShortDate(int year, int month, int day, const TableLocale& locale);

}  // namespace tarvel
