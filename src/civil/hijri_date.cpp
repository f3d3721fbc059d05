#include "civil/hijri_date.h"

#include <unicode/calendar.h>
#include <unicode/smpdtfmt.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <memory>

namespace tarvel {

namespace {

// ICU's name of the calendar, for a locale's "calendar" keyword.
const char* IcuCalendarName(HijriCalendar calendar) {
    return calendar == HijriCalendar::kTabular ? "islamic-civil" : "islamic-umalqura";
}

// Days from 1970-01-01 to a proleptic Gregorian date (H. Hinnant's
// days_from_civil).
long long DaysFromCivil(long long y, long long m, long long d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The name in lower case (ASCII letters only).
std::string Lowered(std::string_view name) {
    std::string lowered(name);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

}  // namespace

std::string_view HijriCalendarKey(HijriCalendar calendar) {
    return calendar == HijriCalendar::kTabular ? "tabular" : "umm-al-qura";
}

std::optional<HijriCalendar> ParseHijriCalendar(std::string_view name) {
    const std::string lowered = Lowered(name);
    if (lowered == "umm-al-qura") return HijriCalendar::kUmmAlQura;
    if (lowered == "tabular") return HijriCalendar::kTabular;
    return std::nullopt;
}

std::optional<HijriDate> HijriDateOf(HijriCalendar calendar, int year, int month, int day) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale("en", nullptr, nullptr,
                             (std::string("calendar=") + IcuCalendarName(calendar)).c_str());
    std::unique_ptr<icu::Calendar> hijri(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status) || !hijri) return std::nullopt;
    // Noon UTC of the civil date: its daytime.
    const double millis = (static_cast<double>(DaysFromCivil(year, month, day)) + 0.5) * 86400000.0;
    hijri->setTime(millis, status);
    HijriDate date;
    date.year = hijri->get(UCAL_EXTENDED_YEAR, status);
    date.month = hijri->get(UCAL_MONTH, status) + 1;
    date.day = hijri->get(UCAL_DATE, status);
    if (U_FAILURE(status)) return std::nullopt;
    return date;
}

std::string HijriDateKey(const HijriDate& date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::string HijriMonthName(HijriCalendar calendar, int month, std::string_view language) {
    if (month < 1 || month > 12) return {};
    const std::string lang = language == "it" || language == "pt" ? std::string(language) : "en";
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale(lang.c_str(), nullptr, nullptr,
                             (std::string("calendar=") + IcuCalendarName(calendar)).c_str());
    std::unique_ptr<icu::Calendar> hijri(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status) || !hijri) return {};
    // The 15th of the month in a year of the calendar's range, written with
    // the pattern of the month's name standing alone.
    hijri->clear();
    hijri->set(1445, month - 1, 15);
    const UDate instant = hijri->getTime(status);
    icu::SimpleDateFormat format(icu::UnicodeString("LLLL"), locale, status);
    if (U_FAILURE(status)) return {};
    format.adoptCalendar(hijri.release());
    icu::UnicodeString text;
    format.format(instant, text);
    std::string name;
    text.toUTF8String(name);
    return name;
}

std::string HijriDateText(HijriCalendar calendar, const HijriDate& date, std::string_view language) {
    return std::to_string(date.day) + " " + HijriMonthName(calendar, date.month, language) + " " +
           std::to_string(date.year);
}

}  // namespace tarvel
