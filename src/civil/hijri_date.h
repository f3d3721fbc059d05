// The Islamic (Hijri) date of a civil date, from ICU's Islamic calendars: the
// Umm al-Qura calendar of Saudi Arabia (ICU "islamic-umalqura") and the
// tabular civil calendar (ICU "islamic-civil": 30-year cycle, epoch Friday
// 16 July 622 Julian).
//
// Given:    a civil date (proleptic Gregorian) and the calendar.
// Returned: the Hijri year, month (1 = Muharram ... 12 = Dhu al-Hijja) and
//           day; the month's name in an interface language.
// Notes:    the Hijri day begins at sunset: for prayer purposes the evening
//           of a civil date (from Maghrib on) belongs to the Hijri date of the
//           next civil date. The date here is that of the civil date's
//           daytime. Free of Qt; ICU is the only dependency.
// References: ICU's icu::Calendar with the keyword calendar=islamic-umalqura
//           or islamic-civil; CLDR's month names of those calendars.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvel {

// Which Islamic calendar. The values are stored: keep them.
enum class HijriCalendar : int {
    kUmmAlQura = 0,
    kTabular = 1,
};

struct HijriDate {
    int year = 1;
    int month = 1;  // 1 ... 12
    int day = 1;    // 1 ... 30

    friend bool operator==(const HijriDate&, const HijriDate&) = default;
};

// The command-line name of a calendar ("umm-al-qura", "tabular") and the
// calendar named so (letter case ignored; nothing for an unknown name).
std::string_view HijriCalendarKey(HijriCalendar calendar);
std::optional<HijriCalendar> ParseHijriCalendar(std::string_view name);

// The Hijri date of the daytime of a civil date; nothing where ICU fails
// (outside the calendar's range).
std::optional<HijriDate> HijriDateOf(HijriCalendar calendar, int year, int month, int day);

// "1445-09-01".
std::string HijriDateKey(const HijriDate& date);

// The name of a Hijri month (1 ... 12) in a language ("it", "en", "pt";
// another gives English), as ICU's data writes it standing alone; empty
// where ICU fails.
std::string HijriMonthName(HijriCalendar calendar, int month, std::string_view language);

// The date with its month's name in a language (HijriMonthName): "1 Ramadan
// 1445".
std::string HijriDateText(HijriCalendar calendar, const HijriDate& date, std::string_view language);

}  // namespace tarvel
