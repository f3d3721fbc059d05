// The next prayer of a day's times after a moment, and the whole minutes left
// until it.
//
// Given:    the DayTimes of the moment's civil date and of the date after it
//           (CalcDayTimes for each), and the moment in hours after the
//           midnight that opens its date, on the same clock as the times.
// Returned: the first of the method's times strictly after the moment, in the
//           order Fajr, Shuruq (the method's sunrise), Zuhr, Asr (the first
//           Asr, a shadow of once the object's length), Maghrib, Isha of the
//           date, then the next date's Fajr; and the minutes left to it,
//           rounded up to the whole minute (59.2 s left is 1 minute). Nothing
//           when none of these occurs after the moment.
// Notes:    each time is placed on its own date through its dayOffset (an
//           Isha after midnight lies 24 hours later than its clock reading).
//           A time that does not occur is passed over. The minutes are
//           differences of clock readings: across a change of the clock's
//           offset the count is off by the change.
#pragma once

#include <optional>

#include "astro/prayer_times.h"

namespace tarvel {

enum class NextPrayerEvent { kFajr, kShuruq, kZuhr, kAsr, kMaghrib, kIsha };

struct NextPrayer {
    NextPrayerEvent event = NextPrayerEvent::kFajr;
    int minutesLeft = 0;    // whole minutes, rounded up, at least 1
    bool tomorrow = false;  // the Fajr of the next date
};

std::optional<NextPrayer> FindNextPrayer(const DayTimes& date, const DayTimes& nextDate,
                                         double momentHours);

}  // namespace tarvel
