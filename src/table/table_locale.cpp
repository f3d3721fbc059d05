#include "table/table_locale.h"

#include <langinfo.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string_view>

#include "astro/calendar.h"
#include "table/text_cells.h"

namespace tarvel {

namespace {

// The locale name the environment gives a category, as setlocale(cat, "")
// would take it: LC_ALL, then the category's variable, then LANG.
std::string EnvironmentLocaleName(const char* categoryVariable) {
    for (const char* variable : {"LC_ALL", categoryVariable, "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') {
            return value;
        }
    }
    return {};
}

bool IsPlainCLocale(const std::string& name) {
    return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// A locale object with only `mask`'s category taken from the environment, or
// an empty handle when the environment names the C locale or one that is not
// installed.
CLocaleHandle EnvironmentLocale(int mask, const char* categoryVariable) {
    if (IsPlainCLocale(EnvironmentLocaleName(categoryVariable))) {
        return {};
    }
    const locale_t locale = newlocale(mask, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) {
        return {};
    }
    return CLocaleHandle(locale, freelocale);
}

// Copies a langinfo text into target when it is non-empty valid UTF-8.
void TakeText(locale_t locale, nl_item item, std::string& target) {
    const char* text = nl_langinfo_l(item, locale);
    if (text != nullptr && text[0] != '\0' && IsValidUtf8(text)) {
        target = text;
    }
}

// The C locale, for the *_l functions (which take no null locale).
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Day of the week, 0 = Sunday, of a Gregorian date.
int DayOfWeek(int year, int month, int day) {
    const double jd = JulianDayFromCalendar(year, month, day, 1);
    const double days = std::floor(jd + 1.5);
    const double week = days - 7.0 * std::floor(days / 7.0);
    return static_cast<int>(week);
}

// Day of the year, 0 = 1 January, of a Gregorian date.
int DayOfYear(int year, int month, int day) {
    return static_cast<int>(JulianDayFromCalendar(year, month, day, 1) -
                            JulianDayFromCalendar(year, 1, 1, 1));
}

// strftime_l of pattern for date in locale, however long the text.
std::string FormatTime(const std::string& pattern, const std::tm& date, locale_t locale) {
    // A leading mark makes every result non-empty, so 0 can only mean that the
    // buffer was too small.
    const std::string marked = "." + pattern;
    for (std::size_t size = 64 + 4 * pattern.size(); size <= 1u << 20; size *= 4) {
        std::string text(size, '\0');
        const std::size_t length = strftime_l(text.data(), size, marked.c_str(), &date, locale);
        if (length > 0) {
            return text.substr(1, length - 1);
        }
    }
    return {};
}

}  // namespace

TableLocale TableLocaleFromEnvironment() {
    TableLocale result;
    if (const CLocaleHandle numeric = EnvironmentLocale(LC_NUMERIC_MASK, "LC_NUMERIC")) {
        std::string separator;
        TakeText(numeric.get(), RADIXCHAR, separator);
        if (!separator.empty()) {
            result.decimalSeparator = std::string(FirstCharacters(separator, 1));
        }
    }
    if (CLocaleHandle time = EnvironmentLocale(LC_TIME_MASK, "LC_TIME")) {
        TakeText(time.get(), D_FMT, result.shortDatePattern);
        result.timeLocale = std::move(time);
    }
    return result;
}

std::string FormatShortDate(int year, int month, int day, const TableLocale& locale) {
    if (locale.formatDate) {
        return locale.formatDate(year, month, day);
    }
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_wday = DayOfWeek(year, month, day);
    date.tm_yday = DayOfYear(year, month, day);
    if (!locale.timeLocale) {
        return FormatTime(locale.shortDatePattern, date, CLocale());
    }
    std::string text = FormatTime(locale.shortDatePattern, date, locale.timeLocale.get());
    if (!IsValidUtf8(text)) {
        text = FormatTime(locale.shortDatePattern, date, CLocale());
    }
    return text;
}

}  // namespace tarvel
