#include "civil/computer_clock.h"

#include <ctime>
#include <tuple>

namespace tarvel {

bool SummerTimeByComputerRule(const ClockInstant& t,
                              const std::function<bool(const ClockInstant&)>& isDaylight) {
    const ClockInstant threshold{{1970, 1, 1, 12, 0, 0.0}};
    const auto key = [](const ClockInstant& i) {
        return std::make_tuple(i.year, i.month, i.day, i.hour, i.minute, i.second);
    };
    if (!(key(t) > key(threshold))) {
        return false;
    }
    return isDaylight(t);
}

bool SummerTimeForStartInstant(const ClockInstant& instant) {
    return SummerTimeByComputerRule(instant, CLibraryDaylightTime);
}

bool CLibraryDaylightTime(const ClockInstant& t) {
    std::tm local{};
    local.tm_year = t.year - 1900;
    local.tm_mon = t.month - 1;
    local.tm_mday = t.day;
    local.tm_hour = t.hour;
    local.tm_min = t.minute;
    local.tm_sec = static_cast<int>(t.second);
    local.tm_isdst = -1;
    if (std::mktime(&local) == static_cast<std::time_t>(-1)) {
        return false;
    }
    return local.tm_isdst > 0;
}

}  // namespace tarvel
