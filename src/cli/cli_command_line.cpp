#include "cli/cli_command_line.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string_view>
#include <system_error>

namespace tarvel {

namespace cli {

CLI::Option* AddFlag(CLI::App& app, const std::string& name, bool& target,
                     const std::string& help) {
    const std::string refusal = CliMessage("%1 takes no value", {name});
    // Like an option with a value, a flag is given once.
    const auto option = std::make_shared<CLI::Option*>(nullptr);
    const CLI::Validator alone(
        [refusal, name, option](std::string& value) {
            if (value != "true") throw Refusal(refusal);
            if (*option != nullptr && (*option)->count() > 1) {
                throw Refusal(CliMessage("%1 given more than once: give it once", {name}));
            }
            return std::string();
        },
        "");
    *option = app.add_flag(name, target, Wrapped(help))->check(alone);
    return *option;
}

void AddHelp(CLI::App& app) {
    // Acted on when met, so that the help comes whatever the values around it.
    app.add_flag_callback(
           "-h,--help", [] { throw CLI::CallForHelp(); }, "print this help and exit")
        ->trigger_on_parse();
}

CommandLine::CommandLine(TableTexts tableTexts) : tableTexts_(std::move(tableTexts)) {
    app_.set_help_flag();  // AddHelp's instead, among the output options
    app_.failure_message([this](const CLI::App*, const CLI::Error& e) { return FailureLine(e); });
    DescribeProgram();
    app_.require_subcommand(0, 1);
    // A subcommand takes the program's formatter, footer, failure message and
    // default option group as they stand when it is added, and sets its own
    // over them: places, added after the program's options, lists its --help
    // in their last group (Output).
    AddTableCommand();
    AddComputeOptions();
    AddPlacesCommand();
    AddChartCommand();
    AddCalendarCommand();
    AddSundialCommand();
}

CLI::Option* CommandLine::Described(CLI::Option* option, const OptionText& text,
                                    const CLI::Validator& check) {
    option->description(text.Help())->type_name(text.placeholder);
    // A transform: `check` may rewrite the text for the conversion that follows.
    option->transform(CLI::Validator(
        [option, text, check](std::string& value) {
            if (option->count() > 1) {
                throw Refusal(CliMessage("%1 given more than once: give it once, with %2",
                                         {text.name, text.Accepts()}));
            }
            const std::string given = value;
            if (!check(value).empty()) {
                throw Refusal(CliMessage("%1 '%2' not accepted: expected %3",
                                         {text.name, given, text.Accepts()}));
            }
            return std::string();
        },
        ""));
    accepts_[option] = text;
    return option;
}

CLI::Option* CommandLine::AddDecimal(CLI::App& app, OptionText text, ValueBounds bounds,
                                     double& target) {
    text.accepts += " from %1 to %2";
    text.acceptsFillers = {Number(bounds.low), Number(bounds.high)};
    text.byDefault = Number(target);
    return AddRead(app, text, target, ParseDecimal, CLI::Range(bounds.low, bounds.high));
}

void CommandLine::RefuseUnknownOptions(const std::vector<std::string>& args) const {
    const CLI::App* owner = &app_;
    for (const std::string& arg : args) {
        if ((arg == "table" || arg == "places" || arg == "chart" || arg == "calendar" ||
             arg == "sundial") &&
            owner == &app_) {
            owner = arg == "table"      ? table_
                    : arg == "chart"    ? chart_
                    : arg == "calendar" ? calendar_
                    : arg == "sundial"  ? sundial_
                                        : places_;
            continue;
        }
        if (arg.size() < 3 || arg.rfind("--", 0) != 0) continue;
        const std::string name = arg.substr(0, arg.find('='));
        if (owner->get_option_no_throw(name) == nullptr) {
            throw Refusal(CliMessage("unknown option '%1'; the options are listed by %2 --help",
                                     {name, NameOf(owner)}));
        }
    }
}

CliCommand CommandLine::Parse(const std::vector<std::string>& args, const LocalClock& clock) {
    lastArgument_ = args.empty() ? std::string() : args.back();
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 reads from the back
    try {
        // An unknown option is refused even beside --help or --version, which
        // act as soon as they are read.
        RefuseUnknownOptions(args);
        app_.parse(reversed);
        CliCommand command = table_->parsed()      ? TableCommand(clock)
                             : chart_->parsed()    ? ChartCommand(clock)
                             : places_->parsed()   ? PlacesCommand()
                             : calendar_->parsed() ? CalendarCommand(clock)
                             : sundial_->parsed()  ? SundialCommand(clock)
                                                   : ComputeCommand(clock);
        command.language = language_;
        return command;
    } catch (const CLI::ParseError& error) {
        // CLI11 writes the help or the version (exit code 0), or FailureLine's
        // refusal (exit codes from 100 on, which are kExitUsage).
        std::ostringstream out;
        std::ostringstream err;
        const bool printed = app_.exit(error, out, err) == 0;
        CliCommand command;
        command.action = printed ? CliAction::kPrint : CliAction::kFail;
        command.text = printed ? out.str() : err.str();
        return command;
    }
}

std::string CommandLine::FailureLine(const CLI::Error& error) const {
    // The command read last: a subcommand once it began.
    const CLI::App* command = table_->parsed()      ? table_
                              : chart_->parsed()    ? chart_
                              : places_->parsed()   ? places_
                              : calendar_->parsed() ? calendar_
                              : sundial_->parsed()  ? sundial_
                                                    : &app_;
    std::string line = CliMessage("%1 (see %2 --help)", {error.what(), NameOf(command)});
    if (dynamic_cast<const Refusal*>(&error) != nullptr) {
        line = error.what();
    } else if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
        // The program's own arguments are checked before the subcommand's.
        const CLI::App* owner = app_.remaining_size() > 0 ? &app_ : command;
        const std::vector<std::string> rest = owner->remaining();
        const std::string first = rest.empty() ? std::string() : rest.front();
        const std::string name = NameOf(owner);
        if (owner == places_) {
            line = CliMessage(
                "unexpected argument '%1'; %2 takes one QUERY: put a name of several words in "
                "quotes (see %2 --help)",
                {first, name});
        } else {
            line = first.rfind('-', 0) == 0
                       ? CliMessage("unknown option '%1'; the options are listed by %2 --help",
                                    {first, name})
                       : CliMessage("unexpected argument '%1'; %2 takes options only (see %2 "
                                    "--help)",
                                    {first, name});
        }
    } else if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
        // "QUERY is required": the name CLI11 gives stands as it is.
        const std::string what = error.what();
        const std::size_t end = what.find(" is required");
        if (end != std::string::npos) {
            line = CliMessage("%1 is required (see %2 --help)",
                              {what.substr(0, end), NameOf(command)});
        }
    } else if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
        line = CliWord("--summer and --no-summer exclude each other: give at most one of them");
    } else if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
        // A value is missing when the arguments ran out: the last one named
        // the option, alone or before "=".
        const CLI::Option* option =
            command->get_option_no_throw(lastArgument_.substr(0, lastArgument_.find('=')));
        const auto accepts = accepts_.find(option);
        if (accepts != accepts_.end()) {
            line = CliMessage("%1 needs a value: %2", {option->get_name(), accepts->second.Accepts()});
        }
    }
    std::replace(line.begin(), line.end(), '\n', ' ');  // one line, whatever a library wrote
    return std::string(kProgram) + ": " + line;
}

std::optional<std::string> OutputFileName(std::string_view name,
                                          std::initializer_list<std::string_view> suffixes,
                                          bool dashAllowed) {
    if (dashAllowed && name == "-") return std::string(name);
    namespace fs = std::filesystem;
    const fs::path path{std::string(name)};
    std::string suffix = path.extension().string();
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (std::find(suffixes.begin(), suffixes.end(), suffix) == suffixes.end()) return std::nullopt;
    std::error_code error;
    if (!path.has_filename() || fs::is_directory(path, error)) return std::nullopt;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (!fs::is_directory(folder, error)) return std::nullopt;
    return std::string(name);
}

CliCommand ParseSubcommand(const char* name, const std::vector<std::string>& args,
                           const LocalClock& clock) {
    std::vector<std::string> all = {name};
    all.insert(all.end(), args.begin(), args.end());
    return CommandLine().Parse(all, clock);
}

}  // namespace cli

CliCommand ParseCommandLine(const std::vector<std::string>& args, const LocalClock& clock,
                            const TableTexts& tableTexts) {
    return cli::CommandLine(tableTexts).Parse(args, clock);
}

std::string LanguageAsked(const std::vector<std::string>& args) {
    std::string language;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) language = args[i + 1];
        if (args[i].rfind("--lang=", 0) == 0) language = args[i].substr(7);
    }
    return language == "it" || language == "en" || language == "pt" ? language : std::string();
}

}  // namespace tarvel
