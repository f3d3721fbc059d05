#include "astro/next_prayer.h"

#include <cmath>
#include <utility>

namespace tarvel {

namespace {

// Hours from the midnight that opens the date to a time on dayOffset days
// after it.
double HoursFromDateStart(double clockHours, int dayOffset) {
    return dayOffset * 24.0 + clockHours;
}

}  // namespace

std::optional<NextPrayer> FindNextPrayer(const DayTimes& date, const DayTimes& nextDate,
                                         double momentHours) {
    struct Candidate {
        NextPrayerEvent event;
        bool occurs;
        double hours;  // from the moment's date's start
        bool tomorrow;
    };
    const Candidate candidates[] = {
        {NextPrayerEvent::kFajr, date.occurs.fajr,
         HoursFromDateStart(date.fajr, date.dayOffset.fajr), false},
        {NextPrayerEvent::kShuruq, date.occurs.sunrise,
         HoursFromDateStart(date.sunrise, date.dayOffset.sunrise), false},
        {NextPrayerEvent::kZuhr, date.occurs.zuhr,
         HoursFromDateStart(date.zuhr, date.dayOffset.zuhr), false},
        {NextPrayerEvent::kAsr, date.occurs.asr1,
         HoursFromDateStart(date.asr1, date.dayOffset.asr1), false},
        {NextPrayerEvent::kMaghrib, date.occurs.maghrib,
         HoursFromDateStart(date.maghrib, date.dayOffset.maghrib), false},
        {NextPrayerEvent::kIsha, date.occurs.isha,
         HoursFromDateStart(date.isha, date.dayOffset.isha), false},
        {NextPrayerEvent::kFajr, nextDate.occurs.fajr,
         24.0 + HoursFromDateStart(nextDate.fajr, nextDate.dayOffset.fajr), true},
    };
    for (const Candidate& c : candidates) {
        if (!c.occurs || !(c.hours > momentHours)) continue;
        // Rounded up; a hair over a whole minute (the times' tenths of a
        // second) stays that minute.
        const double minutes = (c.hours - momentHours) * 60.0;
        const int whole = static_cast<int>(std::ceil(minutes - 1e-6));
        return NextPrayer{c.event, whole < 1 ? 1 : whole, c.tomorrow};
    }
    return std::nullopt;
}

}  // namespace tarvel
