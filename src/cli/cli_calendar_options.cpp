// The calendar subcommand: its usage, description, exit statuses and options
// (the days, the events and the file), and the calendar it asks for.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_calendar.h"
#include "cli/cli_command_line.h"

namespace tarvel {

namespace cli {

namespace {

constexpr char kCalendarUsage[] =
    R"(Usage: tarvel-cli calendar (--place NAME | --lat DEG --lon DEG [--zone Z | --tz AREA/CITY])
                           [--date YYYY-MM-DD] [--days N] [--events LIST] [--output FILE|-]
                           [--method NAME] [--ramadan] [--high-latitude-rule RULE] [--adjust LIST]
                           [--fajr DEG] [--isha DEG] [--height M] [--summer | --no-summer]
                           [--refraction bennett|integration] [--pressure MBAR] [--temperature C]
                           [--refraction-height M] [--humidity PCT]
       tarvel-cli calendar --help
)";

constexpr char kCalendarDescription[] =
    "Writes an iCalendar file (RFC 5545) with the chosen events of each day from --date for "
    "--days days, for the observer read as by tarvel-cli: the prayers of the chosen method, the "
    "apparent sunrise and sunset, the dawns and dusks of the twilights and the golden hour. "
    "Each event is an instant (DURATION PT0S) written in UTC to the nearest second; it belongs "
    "to the day as tarvel-cli reckons it, the morning's events before the day's transit and the "
    "evening's after it, so an Isha after midnight stands on the next date. An event that does "
    "not occur on a day (near the poles) is left out. The UID of an event is made of the day, "
    "the event's name and the site (20240621-fajr-41.8919N-12.5113E@tarvel): importing a new "
    "file for the same place replaces the events instead of repeating them. With --tz or "
    "--place each day is computed on the zone's clock of that day; with --zone on that fixed "
    "zone (and --summer).";

// The --events option: what it accepts, the events and the groups by name as
// its blanks, and the meaning of the names.
OptionText EventsText() {
    std::vector<std::string> events;
    for (const CalendarEventKind& kind : CalendarEventKinds()) events.emplace_back(kind.name);
    std::vector<std::string> groups;
    std::string members;
    for (const CalendarEventGroup& group : CalendarEventGroups()) {
        groups.emplace_back(group.name);
        std::string held(group.members);
        for (std::size_t at = 0; (at = held.find(',', at)) != std::string::npos; at += 2) {
            held.replace(at, 1, ", ");
        }
        members += std::string(members.empty() ? "" : "; ") + std::string(group.name) + ": " +
                   (group.members == "all" ? std::string("every event") : held);
    }
    return {"--events", "LIST",
            "a comma list of events and groups, letter case ignored, such as prayers,sun; the "
            "events: %1; the groups: %2",
            "shuruq is the method's sunrise, asr and asr2 the Asr of shadow factor 1 and 2, rise "
            "and set the apparent ones; the groups hold " + members,
            "prayers",
            {Joined(events, ", ", ", "), Joined(groups, ", ", ", ")}};
}

}  // namespace

void CommandLine::AddCalendarCommand() {
    calendar_ = app_.add_subcommand("calendar", Wrapped(kCalendarDescription, 80));
    calendar_->formatter(std::make_shared<HelpLayout>(kCalendarUsage));
    calendar_->footer(
        "Exit status:" + ExitStatus(kExitSuccess, "the calendar was written") +
        ExitStatus(kExitOutputError,
                   "the calendar could not be written: one line on standard error") +
        ExitStatus(kExitUsage, "bad usage or input: one line on standard error, nothing written"));
    AddCalendarOptions();
    AddInstantAndSite(*calendar_, false);
    AddHelp(*calendar_);
}

void CommandLine::AddCalendarOptions() {
    CLI::App& app = *calendar_;
    app.option_defaults()->group("Calendar");
    AddRead(app,
            {"--days", "N", "a whole number of days from %1 to %2",
             "the days of the calendar, from --date on", std::to_string(calendarRequest_.days),
             {std::to_string(kCliCalendarMinDays), std::to_string(kCliCalendarMaxDays)}},
            calendarRequest_.days, [](std::string_view text) -> std::optional<int> {
                const std::optional<int> value = ParseWholeNumber(text);
                if (!value || *value < kCliCalendarMinDays || *value > kCliCalendarMaxDays) {
                    return std::nullopt;
                }
                return value;
            });
    calendarRequest_.events = *ParseCalendarEvents("prayers");
    AddRead(app, EventsText(), calendarRequest_.events, ParseCalendarEvents);
    AddLanguage(app);
    AddRead(app,
            {"--output", "FILE|-", "the name of a file, or - for standard output",
             "replaced whole, or left as it was when it cannot be written", "standard output"},
            calendarRequest_.outputPath, [](std::string_view name) -> std::optional<std::string> {
                if (name.empty()) return std::nullopt;
                return std::string(name);
            });
}

CliCommand CommandLine::CalendarCommand(const LocalClock& clock) const {
    if (!app_.get_options([](const CLI::Option* option) { return option->count() > 0; }).empty()) {
        throw Refusal(CliWord(
            "unexpected argument 'calendar': the calendar subcommand comes first, as in "
            "tarvel-cli calendar --place Rome --date 2024-06-21 (see tarvel-cli calendar --help)"));
    }
    for (const char* option : {"--time", "--delta-t"}) {
        if (calendar_->get_option(option)->count() > 0) {
            throw Refusal(CliMessage("%1 does not apply to calendar: every day is computed whole, "
                                     "with Delta T from the built-in model for its date",
                                     {option}));
        }
    }
    CliCommand command;
    command.action = CliAction::kCalendar;
    command.request = Request(clock);
    ApplyPlaceAndZone(command, false);
    command.calendar = calendarRequest_;
    command.calendar.start = date_.value_or(clock.present().date);
    if (command.calendar.outputPath == "-") command.calendar.outputPath.reset();
    return command;
}

}  // namespace cli

CliCommand ParseCalendarCommandLine(const std::vector<std::string>& args,
                                    const LocalClock& clock) {
    return cli::ParseSubcommand("calendar", args, clock);
}

std::string CliCalendarHelpText() {
    return cli::CommandLine().CalendarHelp();
}

}  // namespace tarvel
