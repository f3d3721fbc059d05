// The request a command line asks for: the options given over the defaults of
// the computer's clock, and with --place or --tz the site and the clock
// reading resolved on the zone's rules.
#include <chrono>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "astro/prayer_times.h"
#include "civil/computer_clock.h"
#include "civil/tz_zone_rules.h"
#include "civil/zone_request.h"
#include "cli/cli_command_line.h"
#include "cli/cli_value_readers.h"

namespace tarvel::cli {

SolarRequest CommandLine::Request(const LocalClock& clock) const {
    const LocalMoment now = clock.present();
    SolarRequest request = given_;
    if (request.ramadan && !(MethodParameters(request.prayerMethod).ramadanIshaMinutes > 0.0)) {
        // Only a method with an Isha interval of its own for Ramadan takes it.
        std::vector<std::string> methods;
        for (const PrayerMethodParameters& m : kPrayerMethods) {
            if (m.ramadanIshaMinutes > 0.0) methods.push_back("--method " + std::string(m.key));
        }
        throw Refusal(methods.size() == 1
                          ? CliMessage("--ramadan applies only with %1: give it or leave "
                                       "--ramadan out",
                                       {methods.front()})
                          : CliMessage("--ramadan applies only with %1 or %2: give one of them "
                                       "or leave --ramadan out",
                                       {Joined({methods.begin(), methods.end() - 1}, ", ", ", "),
                                        methods.back()}));
    }
    const CivilDate date = date_.value_or(now.date);
    const ClockTime time = time_.value_or(now.time);
    request.SetClockReading({date.year, date.month, date.day, time.hour, time.minute, time.second});
    if (!zone_ && !timeZone_ && !place_ &&
        (now.standardZoneHours < kLowestZoneHours || now.standardZoneHours > kHighestZoneHours)) {
        // The environment's TZ may name any offset; it passes the bounds of
        // --zone like a zone given on the command line.
        throw Refusal(CliMessage("this computer's time zone is %1, outside the zones from -12 to "
                                 "14 hours: give --zone or --tz",
                                 {UtcOffsetText(std::lround(now.standardZoneHours * 3600.0))}));
    }
    request.SetZone(zone_.value_or(now.standardZoneHours));
    request.deltaTGiven = deltaT_.has_value();
    request.deltaT = deltaT_.value_or(request.deltaT);
    if (summer_ || noSummer_) {
        request.summerTime = summer_;
    } else if (request.zoneHours == now.standardZoneHours) {
        // The computer's rule belongs to the computer's own zone only.
        request.summerTime = SummerTimeByComputerRule(
            ClockInstant{request.Clock()},
            [&](const ClockInstant&) { return clock.summerTimeAt(date, time); });
    }
    return request;
}

void CommandLine::ApplyPlaceAndZone(CliCommand& command, bool resolve) const {
    if (!place_ && !timeZone_) return;
    const auto given = [this](const char* name) {
        const CLI::App* owner = table_->parsed()      ? table_
                                : chart_->parsed()    ? chart_
                                : calendar_->parsed() ? calendar_
                                : sundial_->parsed()  ? sundial_
                                                      : &app_;
        return owner->get_option(name)->count() > 0;
    };
    const char* option = place_ ? "--place" : "--tz";
    for (const char* other : {"--lat", "--lon", "--zone", "--summer", "--no-summer"}) {
        const bool site = other == std::string_view("--lat") || other == std::string_view("--lon");
        if (given(other) && (place_ || !site)) {
            throw Refusal(
                place_ ? CliMessage("%1 and %2 exclude each other: %1 gives the site and its "
                                    "zone's clock",
                                    {option, other})
                       : CliMessage("%1 and %2 exclude each other: %1 gives the zone's clock, its "
                                    "offset and summer time",
                                    {option, other}));
        }
    }
    command.place = place_;
    const std::string& zoneName = timeZone_ ? *timeZone_ : place_->timeZone;
    const FoundZone zone = LookUpZone(zoneName);
    command.zoneRules = zone.rules;
    if (!command.zoneRules) {
        const std::string given = timeZone_ ? "--tz '" + *timeZone_ + "'"
                                            : "--place '" + place_->Label() + "'";
        if (zone.damaged) throw Refusal(given + ": " + DamagedZoneText(zoneName));
        throw Refusal(CliMessage("%1: its time zone %2 is not in this computer's tz database",
                                 {given, zoneName}));
    }
    SolarRequest& request = command.request;
    if (place_) {
        request.latitude = place_->latitude;
        request.longitude = place_->LongitudeWest();
    }
    if (!resolve) return;
    ClockInstant reading{request.Clock()};
    if (!date_ || !time_) {
        // The present on the zone's clock; a given date or time replaces its part.
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const auto seconds = std::chrono::floor<std::chrono::seconds>(now);
        const ClockInstant present = command.zoneRules->ReadingAt(
            seconds.count(), std::chrono::duration<double>(now - seconds).count());
        if (!date_) {
            reading.year = present.year;
            reading.month = present.month;
            reading.day = present.day;
        }
        if (!time_) {
            reading.hour = present.hour;
            reading.minute = present.minute;
            reading.second = present.second;
        }
    }
    command.reading = SetRequestOnRules(request, *command.zoneRules, reading);
}

}  // namespace tarvel::cli
