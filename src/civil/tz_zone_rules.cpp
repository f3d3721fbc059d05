#include "civil/tz_zone_rules.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <date/tz.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

#include "civil/zone_file.h"

namespace tarvel {

namespace {

using Seconds = std::chrono::seconds;
using SysSeconds = date::sys_time<Seconds>;
using LocalSeconds = date::local_time<Seconds>;

// The civil reading of a count of seconds on a clock, the fraction added.
ClockInstant ReadingOf(LocalSeconds local, double fraction) {
    const auto day = date::floor<date::days>(local);
    const date::year_month_day ymd(day);
    const date::hh_mm_ss<Seconds> time(local - day);
    ClockInstant reading;
    reading.year = static_cast<int>(ymd.year());
    reading.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    reading.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    reading.hour = static_cast<int>(time.hours().count());
    reading.minute = static_cast<int>(time.minutes().count());
    reading.second = static_cast<double>(time.seconds().count()) + fraction;
    return reading;
}

class TzZoneRules final : public ZoneRules {
  public:
    explicit TzZoneRules(const date::time_zone* zone) : zone_(zone) {}

    std::string Name() const override { return std::string(zone_->name()); }

    ZoneState StateAt(std::int64_t utcSeconds) const override {
        return StateOf(zone_->get_info(SysSeconds(Seconds(utcSeconds))));
    }

    ClockInstant ReadingAt(std::int64_t utcSeconds, double fraction) const override {
        const SysSeconds instant{Seconds(utcSeconds)};
        return ReadingOf(zone_->to_local(instant), fraction);
    }

    ResolvedReading Resolve(const ClockInstant& reading) const override {
        // Whole seconds on the clock; the fraction rides along unchanged.
        const double whole = std::floor(reading.second);
        const LocalSeconds local = date::local_days(date::year(reading.year) / 1 / 1) +
                                   DaysFrom(reading) + std::chrono::hours(reading.hour) +
                                   std::chrono::minutes(reading.minute) +
                                   Seconds(static_cast<long long>(whole));
        const double fraction = reading.second - whole;
        const date::local_info info = zone_->get_info(local);
        ResolvedReading resolved;
        SysSeconds instant;
        switch (info.result) {
            case date::local_info::unique:
                resolved.kind = ClockReadingKind::Unique;
                instant = SysSeconds(local.time_since_epoch()) - info.first.offset;
                break;
            case date::local_info::ambiguous:
                resolved.kind = ClockReadingKind::Repeated;
                instant = SysSeconds(local.time_since_epoch()) - info.first.offset;
                break;
            default:  // nonexistent: the instant of the change
                resolved.kind = ClockReadingKind::Skipped;
                instant = info.first.end;
                break;
        }
        resolved.utcSeconds = instant.time_since_epoch().count();
        resolved.state = StateAt(resolved.utcSeconds);
        resolved.reading = resolved.kind == ClockReadingKind::Skipped
                               ? ReadingOf(zone_->to_local(instant), 0.0)
                               : ReadingOf(zone_->to_local(instant), fraction);
        return resolved;
    }

  private:
    // Days from 1 January of the reading's year to its date, counting on past
    // the ends of the months (31 April is 1 May).
    static date::days DaysFrom(const ClockInstant& r) {
        const date::local_days first = date::local_days(date::year(r.year) / 1 / 1);
        const date::local_days monthStart =
            date::local_days(date::year(r.year) / date::month(static_cast<unsigned>(r.month)) / 1);
        return (monthStart - first) + date::days(r.day - 1);
    }

    // The state of a period of the rules. The database flags summer time but
    // does not store its amount (half an hour at Lord Howe, two hours in some
    // wartime years): the standard offset is that of the nearest period not
    // flagged. Some zones flag their winter as summer time with a negative
    // amount (Irish winter time, Moroccan Ramadan time): there the lower
    // offset is the standard one, so the flagged period is standard time and
    // the unflagged one next to it is summer time.
    ZoneState StateOf(const date::sys_info& info) const {
        ZoneState state;
        state.offsetSeconds = static_cast<long>(info.offset.count());
        state.abbreviation = info.abbrev;
        state.standardSeconds = state.offsetSeconds;
        if (info.save != std::chrono::minutes(0)) {
            const long standard = StandardNear(info);
            if (standard < state.offsetSeconds) {
                state.summerTime = true;
                state.standardSeconds = standard;
            }
            return state;
        }
        for (const date::sys_info& next :
             {zone_->get_info(info.begin - Seconds(1)), zone_->get_info(info.end)}) {
            const long nextOffset = static_cast<long>(next.offset.count());
            if (next.save != std::chrono::minutes(0) && nextOffset < state.offsetSeconds &&
                StandardNear(next) > nextOffset) {
                state.summerTime = true;
                state.standardSeconds = nextOffset;
                break;
            }
        }
        return state;
    }

    long StandardNear(const date::sys_info& info) const {
        date::sys_info before = info;
        date::sys_info after = info;
        for (int step = 0; step < 8; ++step) {
            before = zone_->get_info(before.begin - Seconds(1));
            if (before.save == std::chrono::minutes(0))
                return static_cast<long>(before.offset.count());
            after = zone_->get_info(after.end);
            if (after.save == std::chrono::minutes(0))
                return static_cast<long>(after.offset.count());
        }
        return static_cast<long>(info.offset.count()) - 3600;
    }

    const date::time_zone* zone_;
};

// Whether the files the library reads when it first lists the database (the
// leap seconds, the version) are absent or regular files: a pipe there would
// hold the library's first call for ever.
bool DatabaseFilesReadable() {
    static const bool readable = [] {
        for (const char* name : {"leapseconds", "+VERSION", "version"}) {
            const std::string path = std::string(kZoneInfoFolder) + '/' + name;
            const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
            if (fd < 0) continue;  // absent or unopenable: the library passes over it
            struct stat status {};
            const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
            ::close(fd);
            if (!regular) return false;
        }
        return true;
    }();
    return readable;
}

}  // namespace

FoundZone LookUpZone(std::string_view name) {
    if (!IsSafeZoneName(name)) return {};
    const ZoneFileState file = CheckZoneFile(name);
    if (!DatabaseFilesReadable()) return {nullptr, file != ZoneFileState::kAbsent};
    const date::time_zone* zone = nullptr;
    try {
        zone = date::locate_zone(name);
    } catch (const std::exception&) {
        // Unlisted. The library lists regular files only: a pipe or device
        // under a zone's name is that zone's file damaged.
        return {nullptr, file == ZoneFileState::kSpecial};
    }
    if (file != ZoneFileState::kValid) return {nullptr, true};
    try {
        zone->get_info(SysSeconds(Seconds(0)));  // the library reads the file once, here
    } catch (const std::exception&) {
        return {nullptr, true};
    }
    return {std::make_shared<TzZoneRules>(zone), false};
}

std::shared_ptr<const ZoneRules> FindZoneRules(std::string_view name) {
    return LookUpZone(name).rules;
}

std::vector<std::string> AllZoneNames() {
    std::vector<std::string> names;
    if (!DatabaseFilesReadable()) return names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones) {
            names.emplace_back(zone.name());
        }
    } catch (const std::exception&) {
        return {};  // no database: no names
    }
    std::sort(names.begin(), names.end());
    return names;
}

YearOffsets OffsetsOfYear(const ZoneRules& rules, int year) {
    YearOffsets offsets;
    const auto utc = [year](unsigned month) {
        return date::sys_days(date::year(year) / date::month(month) / 1).time_since_epoch() /
               Seconds(1);
    };
    const ZoneState january = rules.StateAt(utc(1));
    const ZoneState july = rules.StateAt(utc(7));
    offsets.standardSeconds = january.summerTime ? july.offsetSeconds : january.offsetSeconds;
    for (const ZoneState& state : {january, july}) {
        if (state.summerTime) {
            offsets.hasSummerTime = true;
            offsets.summerSeconds = state.offsetSeconds;
            offsets.standardSeconds = state.standardSeconds;
        }
    }
    return offsets;
}

std::string UtcOffsetText(long offsetSeconds) {
    if (offsetSeconds == 0) return "UTC";
    const long magnitude = std::labs(offsetSeconds);
    std::string text =
        std::string("UTC") + (offsetSeconds < 0 ? "-" : "+") + std::to_string(magnitude / 3600);
    const long minutes = magnitude / 60 % 60;
    const long seconds = magnitude % 60;
    if (minutes != 0 || seconds != 0) {
        text += (minutes < 10 ? ":0" : ":") + std::to_string(minutes);
    }
    if (seconds != 0) text += (seconds < 10 ? ":0" : ":") + std::to_string(seconds);
    return text;
}

}  // namespace tarvel
