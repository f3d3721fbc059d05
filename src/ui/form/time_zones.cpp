#include "ui/form/time_zones.h"

#include <QtGlobal>

#include "table/table_parameters.h"

namespace tarvel {

// The dash inside the labels is an en dash (U+2013); trailing blanks are part of
// the labels. The zone list shows them translated in the context "TimeZones".
// clang-format off
const std::array<TimeZoneEntry, kTimeZoneCount> kTimeZoneEntries = {{
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-11 (BEST \u2013 Bering Standard Time)")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-10 (HST \u2013 Hawaii-Aleutian Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-9:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-9 (AKST \u2013 Alaska Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-8 (PST \u2013 Pacific Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-7 (MST \u2013 Mountain Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-6 (CST \u2013 Central Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-5 (EST \u2013 Eastern Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-4:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-4 (AST \u2013 Atlantic Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-3:30 (NST \u2013 Newfoundland Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-3")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-2")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC-1")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+0 (WET \u2013 West European Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+1 (CET \u2013 Central European Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+2 (EET \u2013 East European Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+3 (MSK \u2013 Moscow Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+3:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+4")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+4:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5:30 (IST \u2013 Indian Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+5:45")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+6")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+6:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+7")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8 (AWST \u2013 Australian Western Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8:30 (NKST \u2013 North Korean Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+8:45")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+9")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+9:30 (ACST \u2013 Australian Central Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+10 (AEST \u2013 Australian Eastern Standard Time) ")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+10:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+11")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+11:30")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+12")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+12:45")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+13")},
    {QT_TRANSLATE_NOOP("TimeZones", "UTC+14")},
}};
// clang-format on

int SystemZoneIndex(double standardOffsetHoursEast) {
    for (int i = 0; i < kTimeZoneCount; ++i) {
        if (kZoneListOffsets[i] >= standardOffsetHoursEast) {
            return i;
        }
    }
    return kTimeZoneCount - 1;
}

}  // namespace tarvel
