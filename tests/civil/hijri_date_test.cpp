// The Hijri date against known dates of the Umm al-Qura calendar as Saudi
// Arabia published them, and the tabular calendar against its epoch.
#include "civil/hijri_date.h"

#include <gtest/gtest.h>

namespace tarvel {
namespace {

TEST(HijriDate, KnownDatesOfBothCalendars) {
    struct Case {
        HijriCalendar calendar;
        int year, month, day;  // civil, proleptic Gregorian
        HijriDate hijri;
    } cases[] = {
        // 1 Ramadan 1445, 1 Muharram 1445 and 1 Muharram 1446 (Umm al-Qura).
        {HijriCalendar::kUmmAlQura, 2024, 3, 11, {1445, 9, 1}},
        {HijriCalendar::kUmmAlQura, 2023, 7, 19, {1445, 1, 1}},
        {HijriCalendar::kUmmAlQura, 2024, 7, 7, {1446, 1, 1}},
        {HijriCalendar::kUmmAlQura, 2024, 3, 10, {1445, 8, 29}},
        // The tabular calendar's epoch, 16 July 622 Julian (19 July
        // proleptic Gregorian), and its 1446 beginning a day later than
        // Umm al-Qura's.
        {HijriCalendar::kTabular, 622, 7, 19, {1, 1, 1}},
        {HijriCalendar::kTabular, 2024, 7, 7, {1445, 12, 30}},
    };
    for (const Case& c : cases) {
        const std::optional<HijriDate> h = HijriDateOf(c.calendar, c.year, c.month, c.day);
        ASSERT_TRUE(h.has_value()) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(HijriDateKey(*h), HijriDateKey(c.hijri))
            << HijriCalendarKey(c.calendar) << " of " << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(HijriDateKey({1445, 9, 1}), "1445-09-01");
}

TEST(HijriDate, MonthNamesAndCalendarNames) {
    for (const char* language : {"it", "en", "pt"}) {
        EXPECT_EQ(HijriMonthName(HijriCalendar::kUmmAlQura, 9, language), "Ramadan") << language;
        EXPECT_EQ(HijriMonthName(HijriCalendar::kTabular, 1, language), "Muharram") << language;
    }
    EXPECT_EQ(HijriMonthName(HijriCalendar::kUmmAlQura, 13, "en"), "");
    EXPECT_EQ(ParseHijriCalendar("Umm-al-Qura"), HijriCalendar::kUmmAlQura);
    EXPECT_EQ(ParseHijriCalendar("tabular"), HijriCalendar::kTabular);
    EXPECT_FALSE(ParseHijriCalendar("gregorian").has_value());
}

}  // namespace
}  // namespace tarvel
