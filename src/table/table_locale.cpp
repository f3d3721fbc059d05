#include "table/table_locale.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "astro/calendar.h"
#include "format/printf_text.h"
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
// nullptr when the environment names the C locale or one that is not installed.
locale_t EnvironmentLocale(int mask, const char* categoryVariable) {
    if (IsPlainCLocale(EnvironmentLocaleName(categoryVariable))) {
        return static_cast<locale_t>(nullptr);
    }
    return newlocale(mask, "", static_cast<locale_t>(nullptr));
}

// Copies a langinfo text into target when it is non-empty valid UTF-8.
void TakeText(locale_t locale, nl_item item, std::string& target) {
    const char* text = nl_langinfo_l(item, locale);
    if (text != nullptr && text[0] != '\0' && IsValidUtf8(text)) {
        target = text;
    }
}

// Day of the week, 0 = Sunday, of a Gregorian date.
int DayOfWeek(int year, int month, int day) {
    const double jd = JulianDayFromCalendar(year, month, day, 1);
    const double days = std::floor(jd + 1.5);
    const double week = days - 7.0 * std::floor(days / 7.0);
    return static_cast<int>(week);
}

int DayOfYear(int year, int month, int day) {
    return static_cast<int>(JulianDayFromCalendar(year, month, day, 1) -
                            JulianDayFromCalendar(year, 1, 1, 1)) +
           1;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// A number with a default padding ('0' or ' ') and width, overridden by a flag.
std::string Number(long long value, char defaultPad, int width, char flag) {
    char pad = defaultPad;
    if (flag == '-') {
        width = 0;
    } else if (flag == '_') {
        pad = ' ';
    } else if (flag == '0') {
        pad = '0';
    }
    if (pad == '0') {
        return PrintfText("%0*lld", width, value);
    }
    return PrintfText("%*lld", width, value);
}

}  // namespace

TableLocale TableLocaleFromEnvironment() {
    TableLocale result;
    if (locale_t numeric = EnvironmentLocale(LC_NUMERIC_MASK, "LC_NUMERIC")) {
        std::string separator;
        TakeText(numeric, RADIXCHAR, separator);
        if (!separator.empty()) {
            result.decimalSeparator = std::string(FirstCharacters(separator, 1));
        }
        freelocale(numeric);
    }
    if (locale_t time = EnvironmentLocale(LC_TIME_MASK, "LC_TIME")) {
        TakeText(time, D_FMT, result.shortDatePattern);
        for (int i = 0; i < 12; ++i) {
            TakeText(time, static_cast<nl_item>(ABMON_1 + i), result.abbreviatedMonthNames[i]);
            TakeText(time, static_cast<nl_item>(MON_1 + i), result.monthNames[i]);
        }
        for (int i = 0; i < 7; ++i) {
            TakeText(time, static_cast<nl_item>(ABDAY_1 + i), result.abbreviatedDayNames[i]);
            TakeText(time, static_cast<nl_item>(DAY_1 + i), result.dayNames[i]);
        }
        freelocale(time);
    }
    return result;
}

std::string FormatShortDate(int year, int month, int day, const TableLocale& locale) {
    const std::string_view pattern = locale.shortDatePattern;
    const int monthIndex = (month >= 1 && month <= 12) ? month - 1 : 0;
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            text.push_back(pattern[i]);
            continue;
        }
        const std::size_t start = i;
        ++i;
        char flag = 0;
        bool upper = false;
        while (i < pattern.size() && (pattern[i] == '-' || pattern[i] == '_' || pattern[i] == '0' ||
                                      pattern[i] == '^' || pattern[i] == '#')) {
            if (pattern[i] == '^') {
                upper = true;
            } else if (pattern[i] != '#') {
                flag = pattern[i];
            }
            ++i;
        }
        if (i < pattern.size() && (pattern[i] == 'E' || pattern[i] == 'O')) {
            ++i;
        }
        if (i >= pattern.size()) {
            text.append(pattern.substr(start));
            break;
        }
        std::string piece;
        switch (pattern[i]) {
            case 'd':
                piece = Number(day, '0', 2, flag);
                break;
            case 'e':
                piece = Number(day, ' ', 2, flag);
                break;
            case 'm':
                piece = Number(month, '0', 2, flag);
                break;
            case 'y':
                piece = Number(((year % 100) + 100) % 100, '0', 2, flag);
                break;
            case 'Y':
                piece = Number(year, '0', 1, flag);
                break;
            case 'C':
                piece = Number(year / 100, '0', 2, flag);
                break;
            case 'j':
                piece = Number(DayOfYear(year, month, day), '0', 3, flag);
                break;
            case 'b':
            case 'h':
                piece = locale.abbreviatedMonthNames[monthIndex];
                break;
            case 'B':
                piece = locale.monthNames[monthIndex];
                break;
            case 'a':
                piece = locale.abbreviatedDayNames[DayOfWeek(year, month, day)];
                break;
            case 'A':
                piece = locale.dayNames[DayOfWeek(year, month, day)];
                break;
            case 'u': {
                const int weekDay = DayOfWeek(year, month, day);
                piece = Number(weekDay == 0 ? 7 : weekDay, '0', 1, flag);
                break;
            }
            case 'w':
                piece = Number(DayOfWeek(year, month, day), '0', 1, flag);
                break;
            case 'D':
                piece = PrintfText("%02d/%02d/%02d", month, day, ((year % 100) + 100) % 100);
                break;
            case 'F':
                piece = PrintfText("%04d-%02d-%02d", year, month, day);
                break;
            case 'n':
                piece = "\n";
                break;
            case 't':
                piece = "\t";
                break;
            case '%':
                piece = "%";
                break;
            default:
                piece = std::string(pattern.substr(start, i - start + 1));
                break;
        }
        text.append(upper ? Upper(std::move(piece)) : piece);
    }
    return text;
}

}  // namespace tarvel
