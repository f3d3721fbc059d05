#include "civil/local_clock.h"

#include "civil/clock_instant.h"
#include "civil/computer_clock.h"

namespace tarvel {

// The offset in force when summer time is not, otherwise that of the nearest
// earlier (or else later) instant of standard time under the same rules, since
// summer time need not be one hour (half an hour at Lord Howe).
long StandardOffsetSeconds(std::time_t instant) {
    std::tm local{};
    if (localtime_r(&instant, &local) == nullptr) return 0;
    if (local.tm_isdst <= 0) return local.tm_gmtoff;
    constexpr std::time_t kWeek = 7 * 24 * 3600;
    for (const std::time_t direction : {-kWeek, kWeek}) {
        for (int week = 1; week <= 104; ++week) {
            const std::time_t other = instant + direction * week;
            std::tm then{};
            if (localtime_r(&other, &then) != nullptr && then.tm_isdst == 0) {
                return then.tm_gmtoff;
            }
        }
    }
    return local.tm_gmtoff - 3600;  // summer time all year: assume one hour
}

LocalClock SystemLocalClock() {
    LocalClock clock;
    clock.present = [] {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        LocalMoment moment;
        moment.date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
        moment.time = {local.tm_hour, local.tm_min, static_cast<double>(local.tm_sec)};
        moment.standardZoneHours = static_cast<float>(StandardOffsetSeconds(now) / 3600.0);
        return moment;
    };
    clock.summerTimeAt = [](const CivilDate& date, const ClockTime& time) {
        return CLibraryDaylightTime(ClockInstant{
            ClockReading{date.year, date.month, date.day, time.hour, time.minute, time.second}});
    };
    return clock;
}

}  // namespace tarvel
