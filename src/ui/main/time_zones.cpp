#include "ui/main/time_zones.h"

#include <QtGlobal>

namespace tarvel {

// The dash inside the labels is an en dash (U+2013); trailing blanks are part of
// the labels. The zone list shows them translated in the context "TimeZones".
// clang-format off
const std::array<TimeZoneEntry, kTimeZoneCount> kTimeZoneEntries = {{
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-11 (BEST \u2013 Bering Standard Time)"), -11.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-10 (HST \u2013 Hawaii-Aleutian Standard Time) "), -10.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-9:30"), -9.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-9 (AKST \u2013 Alaska Standard Time) "), -9.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-8 (PST \u2013 Pacific Standard Time) "), -8.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-7 (MST \u2013 Mountain Standard Time) "), -7.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-6 (CST \u2013 Central Standard Time) "), -6.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-5 (EST \u2013 Eastern Standard Time) "), -5.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-4:30"), -4.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-4 (AST \u2013 Atlantic Standard Time) "), -4.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-3:30 (NST \u2013 Newfoundland Standard Time) "), -3.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-3"), -3.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-2"), -2.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-1"), -1.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+0 (WET \u2013 West European Time) "), 0.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+1 (CET \u2013 Central European Time) "), 1.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+2 (EET \u2013 East European Time) "), 2.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+3 (MSK \u2013 Moscow Time) "), 3.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+3:30"), 3.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+4"), 4.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+4:30"), 4.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5"), 5.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5:30 (IST \u2013 Indian Standard Time) "), 5.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5:45"), 5.75f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+6"), 6.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+6:30"), 6.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+7"), 7.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8 (AWST \u2013 Australian Western Standard Time) "), 8.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8:30 (NKST \u2013 North Korean Standard Time) "), 8.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8:45"), 8.75f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+9"), 9.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+9:30 (ACST \u2013 Australian Central Standard Time) "), 9.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+10 (AEST \u2013 Australian Eastern Standard Time) "), 10.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+10:30"), 10.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+11"), 11.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+11:30"), 11.5f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+12"), 12.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+12:45"), 12.75f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+13"), 13.0f},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+14"), 14.0f},
}};
// clang-format on

int SystemZoneIndex(double standardOffsetHoursEast) {
    for (int i = 0; i < kTimeZoneCount; ++i) {
        if (kTimeZoneEntries[i].offsetHours >= standardOffsetHoursEast) {
            return i;
        }
    }
    return kTimeZoneCount - 1;
}

}  // namespace tarvel
