// The reader of tarvel-cli's command line, inside the library: one CLI11
// application holding the program's own options (the computation of one
// instant) and the table, places and chart subcommands, their options typed,
// checked and bound to what they fill; CLI11 writes the help from them.
//
// The class is declared here and defined by subject:
//   cli_command_line.cpp           the application, option kinds, parsing, refusals
//   cli_compute_options.cpp        the program's own texts and options, one instant
//   cli_instant_site_options.cpp   the instant, zone, observer, atmosphere and prayers
//                                  (shared by the computation, table and chart)
//   cli_table_options.cpp          the table subcommand
//   cli_places_options.cpp         the places subcommand
//   cli_chart_options.cpp          the chart subcommand
//   cli_calendar_options.cpp       the calendar subcommand
//   cli_sundial_options.cpp        the sundial subcommand
//   cli_request.cpp                the request from the options and the computer's clock
// Callers use cli_options.h.
#pragma once

#include <CLI/CLI.hpp>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/cli_help_layout.h"
#include "cli/cli_options.h"
#include "cli/cli_words.h"

namespace tarvel::cli {

inline constexpr char kProgram[] = "tarvel-cli";

// A refusal of the command line: its one line, after "tarvel-cli: ". The
// validators and checks of the options throw it; CLI11 passes it on unchanged to the
// failure formatter, as every CLI::ParseError.
class Refusal : public CLI::ParseError {
  public:
    explicit Refusal(const std::string& line)
        : CLI::ParseError("Refusal", line, CLI::ExitCodes::ValidationError) {}
};

// The texts `read` gives a value for.
template <typename Read>
CLI::Validator Reads(Read read) {
    return CLI::Validator([read](std::string& text) { return read(text) ? "" : "refused"; }, "");
}

// The value names of an option whose value is one of a few names.
template <typename T>
using Names = std::vector<std::pair<std::string, T>>;

// A flag, refused with a text after "=" other than "true" (which reads as the
// flag alone).
CLI::Option* AddFlag(CLI::App& app, const std::string& name, bool& target, const std::string& help);

// -h and --help, acted on when met.
void AddHelp(CLI::App& app);

// The name of a file a subcommand writes: ending in one of suffixes (".svg";
// letter case ignored), not a folder, in a folder that exists; "-" as well
// when dashAllowed (standard output). Nothing for any other.
std::optional<std::string> OutputFileName(std::string_view name,
                                          std::initializer_list<std::string_view> suffixes,
                                          bool dashAllowed = false);

// The arguments that follow a subcommand's name, read as the command line
// that begins with it.
CliCommand ParseSubcommand(const char* name, const std::vector<std::string>& args,
                           const LocalClock& clock);

// What the table accepts as a zone, as its refusals say: kTableZonesAccepted
// with TableZoneList() as its blank.
inline constexpr const char* kTableZonesAccepted =
    "one of the table's zones, in hours east of UTC (also as +HH:MM or -HH:MM): %1";
std::string TableZoneList();

// Why a zone of the tz database cannot be used: its file is damaged or
// unreadable (the end of a refusal of --tz or --place).
std::string DamagedZoneText(std::string_view zoneName);

// The command line of tarvel-cli: the options of one instant and those of the
// table, places and chart subcommands, typed, checked and bound to what they
// fill by CLI11, which writes the help from them.
class CommandLine {
  public:
    explicit CommandLine(TableTexts tableTexts = TableTexts());

    // See ParseCommandLine.
    CliCommand Parse(const std::vector<std::string>& args, const LocalClock& clock);

    std::string Help() const { return app_.help(); }
    std::string TableHelp() const { return table_->help(kProgram); }
    std::string ChartHelp() const { return chart_->help(kProgram); }
    std::string CalendarHelp() const { return calendar_->help(kProgram); }
    std::string SundialHelp() const { return sundial_->help(kProgram); }

  private:
    // The program's usage, description and exit statuses.
    void DescribeProgram();
    // The program's own options: the instant and site, the output flags,
    // --help and --version.
    void AddComputeOptions();
    // heightOption: the name of the site's height (the chart's --height is
    // the picture's).
    void AddInstantAndSite(CLI::App& app, bool forTable,
                           const std::string& heightOption = "--height");
    // Each subcommand with its texts and options.
    void AddTableCommand();
    void AddTableOptions();
    void AddPlacesCommand();
    void AddChartCommand();
    void AddChartOptions();
    // --lang, of the program and of each subcommand.
    void AddLanguage(CLI::App& app);
    void AddCalendarCommand();
    void AddCalendarOptions();
    void AddSundialCommand();
    void AddSundialOptions();
    // Gives an option with a value its texts and its refusals: given more than
    // once, or with a text `check` refuses.
    CLI::Option* Described(CLI::Option* option, const OptionText& text,
                           const CLI::Validator& check);
    // An option whose text `read` turns into the value of `target`, the texts
    // out of `also` refused.
    template <typename Target, typename Read>
    CLI::Option* AddRead(CLI::App& app, const OptionText& text, Target& target, Read read,
                         const CLI::Validator& also = {});
    // A decimal number within bounds.
    CLI::Option* AddDecimal(CLI::App& app, OptionText text, ValueBounds bounds, double& target);
    // An option whose value is one of `names`, letter case ignored.
    template <typename T>
    CLI::Option* AddNamed(CLI::App& app, OptionText text, T& target, const Names<T>& names);

    SolarRequest Request(const LocalClock& clock) const;
    // --place and --tz: the site and the clock's rules into command; with
    // `resolve`, the request's clock reading resolved on the rules' clock.
    void ApplyPlaceAndZone(CliCommand& command, bool resolve) const;
    // What a parsed command line asks for, by the command read.
    CliCommand ComputeCommand(const LocalClock& clock) const;
    CliCommand TableCommand(const LocalClock& clock) const;
    CliCommand PlacesCommand() const;
    CliCommand ChartCommand(const LocalClock& clock) const;
    CliCommand CalendarCommand(const LocalClock& clock) const;
    CliCommand SundialCommand(const LocalClock& clock) const;
    // The one line of a refusal, for CLI11's failure_message.
    std::string FailureLine(const CLI::Error& error) const;
    // Every argument "--name" or "--name=..." names an option of the program
    // (or, after a subcommand's name, of that subcommand).
    void RefuseUnknownOptions(const std::vector<std::string>& args) const;
    std::string NameOf(const CLI::App* command) const {
        if (command == table_) return std::string(kProgram) + " table";
        if (command == chart_) return std::string(kProgram) + " chart";
        if (command == places_) return std::string(kProgram) + " places";
        if (command == calendar_) return std::string(kProgram) + " calendar";
        if (command == sundial_) return std::string(kProgram) + " sundial";
        return kProgram;
    }

    CLI::App app_{"", kProgram};  // its description: DescribeProgram
    CLI::App* table_ = nullptr;
    CLI::App* places_ = nullptr;
    CLI::App* chart_ = nullptr;
    CLI::App* calendar_ = nullptr;
    CLI::App* sundial_ = nullptr;
    std::map<const CLI::Option*, OptionText> accepts_;  // of each option with a value
    std::string lastArgument_;

    // What the options fill.
    SolarRequest given_;  // the site and atmosphere, over the settings' defaults
    std::optional<CivilDate> date_;
    std::optional<ClockTime> time_;
    std::optional<float> zone_;
    std::optional<double> deltaT_;
    bool summer_ = false;
    bool noSummer_ = false;
    std::optional<std::string> timeZone_;  // --tz
    std::optional<Place> place_;           // --place
    std::string placesQuery_;              // the places subcommand's query
    bool json_ = false;
    bool twilights_ = false;
    HijriCalendar hijriCalendar_ = HijriCalendar::kUmmAlQura;  // --calendar
    CliTableRequest tableRequest_;  // the steps, columns, format and output file
    CliChartRequest chartRequest_;  // the chart's kind, file and size
    std::string language_;          // --lang: "it", "en" or "pt"; empty: the environment's
    TableTexts tableTexts_;         // the table engine's messages, in the interface language
    CliCalendarRequest calendarRequest_;  // the days, events and output file
    CliSundialRequest sundialRequest_;    // the dial, its lines and output file
    std::string dateLines_ = "solstices,equinoxes";  // --dates as given
};

template <typename Target, typename Read>
CLI::Option* CommandLine::AddRead(CLI::App& app, const OptionText& text, Target& target, Read read,
                                  const CLI::Validator& also) {
    const CLI::callback_t store = [&target, read](const CLI::results_t& texts) {
        target = *read(texts.front());
        return true;
    };
    return Described(app.add_option(text.name, store), text, Reads(read) & also);
}

template <typename T>
CLI::Option* CommandLine::AddNamed(CLI::App& app, OptionText text, T& target,
                                   const Names<T>& names) {
    std::vector<std::string> listed;
    for (const auto& [name, value] : names) {
        listed.push_back(name);
        if (value == target) text.byDefault = name;
    }
    if (text.placeholder.empty()) text.placeholder = Joined(listed, "|", "|");
    // "a, b or c": the names as they are, the words in the interface language.
    text.accepts = listed.size() > 1 ? "%1 or %2" : "%1";
    text.acceptsFillers = {Joined({listed.begin(), listed.end() - 1}, ", ", ", "), listed.back()};
    // IsMember refuses other texts and writes a name as listed; Transformer
    // turns it into its value, which CLI11 converts into target.
    return Described(app.add_option(text.name, target), text,
                     CLI::IsMember(names, CLI::ignore_case) & CLI::Transformer(names));
}

}  // namespace tarvel::cli
