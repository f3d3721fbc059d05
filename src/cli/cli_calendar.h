// The calendar subcommand's events: for each day of a range, the chosen
// events of the Sun and the prayers as instants, and the iCalendar text that
// holds them (ical_writer.h).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_options.h"
#include "cli/ical_writer.h"
#include "format/result_fields.h"

namespace tarvel {

// An event a calendar may hold: its command-line name, its title in the
// calendar (English; the one table of them), the value of the computation it
// is, what it is (the event's description) and whether it is one of the
// chosen method's prayers.
struct CalendarEventKind {
    std::string_view name;
    std::string_view summary;
    ResultFieldId field;
    std::string_view about;
    bool prayer;
};

// Every event, in the order of a day's events in the calendar's text.
std::span<const CalendarEventKind> CalendarEventKinds();

// The groups --events also takes, each with the names it stands for
// (separated by commas): prayers, sun, twilights, golden-hour, all.
struct CalendarEventGroup {
    std::string_view name;
    std::string_view members;  // "all" stands for every event
};
std::span<const CalendarEventGroup> CalendarEventGroups();

// The events named by a comma list of names and groups (letter case
// ignored), in the order of CalendarEventKinds, each once; nothing when the
// list is empty or holds an unknown or empty name.
std::optional<std::vector<std::string>> ParseCalendarEvents(std::string_view list);

// The events of the calendar command asks for: for each day D from the
// start, the request computed at 12:00 of D (on the clock of the zone's rules
// when there are rules, otherwise on the request's fixed clock), every chosen
// event that occurs, as the program ascribes events to D (the morning's
// before D's transit, the evening's after it, whatever date they fall on),
// at its instant rounded to the nearest second. UID "20240621-fajr-41.8919N-
// 12.5113E@tarvel" (D, the name, the site to 4 decimals); LOCATION the place's
// label, otherwise the coordinates; DESCRIPTION what the event is, for a
// prayer the method and the high-latitude rule that gave the time.
std::vector<IcalEvent> CalendarEvents(const CliCommand& command);

// The calendar's iCalendar text, stamped stampUtcSeconds (seconds since
// 1970-01-01 00:00 UTC) and named after the place or the coordinates.
std::string CalendarText(const CliCommand& command, std::int64_t stampUtcSeconds);

}  // namespace tarvel
