// tarvel-cli: the solar computation of one instant and one observer, printed
// as the main window's texts or as JSON, and the ephemeris table (the table
// subcommand). See CliHelpText() and CliTableHelpText() for the usage.
#include <chrono>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "astro/prayer_times.h"
#include "astro/solar_computation.h"
#include "civil/local_clock.h"
#include "cli/cli_calendar.h"
#include "cli/cli_chart.h"
#include "cli/cli_language.h"
#include "languages/report_texts.h"
#include "languages/translated_texts.h"
#include "cli/cli_conventions.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/cli_sundial.h"
#include "cli/cli_table.h"
#include "cli/cli_words.h"
#include "format/result_texts.h"
#include "table/table_locale.h"
#include "files/file_writer.h"

namespace {

// Writes text to stream and flushes it; false when that failed.
bool WriteAll(std::FILE* stream, const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stream) == text.size();
    return std::fflush(stream) == 0 && written;
}

// The table subcommand: the table's text to the output file (replaced whole or
// left as it was) or to standard output.
int WriteTable(const tarvel::CliTableRequest& table) {
    using namespace tarvel;
    return WriteTableOutput(table, TableLocaleFromEnvironment(), TranslatedTableTexts());
}

// The calendar subcommand: the iCalendar text to the output file (replaced
// whole or left as it was) or to standard output.
int WriteCalendar(const tarvel::CliCommand& command) {
    using namespace tarvel;
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const std::string text =
        CalendarText(command, std::chrono::floor<std::chrono::seconds>(now).count());
    if (command.calendar.outputPath) {
        const std::string error = WriteFileAtomically(*command.calendar.outputPath, text,
                                                    CliWord("Cannot save %1: %2"));
        if (!error.empty()) {
            WriteAll(stderr, "tarvel-cli: " + error + "\n");
            return kExitOutputError;
        }
        return kExitSuccess;
    }
    if (!WriteAll(stdout, text)) {
        WriteAll(stderr, "tarvel-cli: " +
                             CliWord("the calendar could not be written to standard output") +
                             "\n");
        return kExitOutputError;
    }
    return kExitSuccess;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace tarvel;
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The interface language first, so that the table's refusals speak it.
    char program[] = "tarvel-cli";
    const std::unique_ptr<QCoreApplication> application =
        MakeCliApplication(!args.empty() && (args.front() == "chart" || args.front() == "sundial"),
                           argc > 0 ? argv[0] : program);
    LanguageModules languages;
    const bool languageFound = LoadCliLanguage(languages, LanguageAsked(args));
    const std::unique_ptr<QTranslator> words = LoadCliWords(languages);
    SetCliTranslator(TranslatedCliWord);
    SetCliPlaceNames(PlaceNamesForLanguage(languages.LoadedCode().toStdString()));
    if (!languageFound) {
        WriteAll(stderr, "tarvel-cli: " +
                             CliMessage("the texts in the language asked for (--lang %1) are not "
                                        "installed: the built-in Italian is used",
                                        {LanguageAsked(args)}) +
                             "\n");
    }
    const CliCommand command = ParseCommandLine(args, SystemLocalClock(), TranslatedTableTexts());
    switch (command.action) {
        case CliAction::kFail:
            WriteAll(stderr, command.text + "\n");
            return kExitUsage;
        case CliAction::kPrint:
            return WriteAll(stdout, command.text) ? kExitSuccess : kExitOutputError;
        case CliAction::kTable:
            return WriteTable(command.table);
        case CliAction::kChart:
            return WriteChart(command);
        case CliAction::kPlaces: {
            const std::vector<Place> places = FindPlaces(command.text, 20, CliPlaceNames());
            const std::string text =
                command.json ? PlacesJson(places).dump(2) + "\n" : PlacesReport(places);
            return WriteAll(stdout, text) ? kExitSuccess : kExitOutputError;
        }
        case CliAction::kCalendar:
            return WriteCalendar(command);
        case CliAction::kSundial:
            return WriteSundial(command);
        case CliAction::kCompute:
            break;
    }

    SolarResult result = CalcSolarParameters(command.request);
    std::optional<DayTimes> days;
    std::optional<DayTimes> unrounded;
    DayTimeAdditions additions;
    if (command.dayTimes) {
        unrounded = CalcDayTimes(command.request, result);
        AddDayLengthChange(command.request, result, *unrounded);
        days = RoundedPrayers(*unrounded, command.request.rounding);
        additions.unrounded = &*unrounded;
        additions.calendar = command.hijriCalendar;
        const QString code = languages.LoadedCode();
        additions.language = code == QLatin1String("ENU")   ? "en"
                             : code == QLatin1String("PTB") ? "pt"
                                                            : "it";
    }
    // Under a zone's rules every event is read on the clock in force then.
    const EventClocks clocks = ReadEventsOnClocks(command.request, command.zoneRules.get(), result,
                                                  days ? &*days : nullptr);
    std::string output;
    if (command.json) {
        nlohmann::ordered_json json =
            ResultJson(command.request, result, days ? &*days : nullptr, clocks);
        if (days) AddDayTimeAdditionsJson(json, command.request, result, *days, additions, clocks);
        if (clocks.underRules) {
            json["eventClocks"] =
                EventClocksJson(command.request, result, days ? &*days : nullptr, &clocks);
        }
        AddPlaceAndZoneJson(json, command.place, command.zoneRules, command.reading);
        output = json.dump(2) + "\n";
    } else {
        const ReportWords words{TranslatedReportText, TranslatedReportOptions()};
        std::vector<ResultText> texts = MainWindowResultTexts(command.request, result, words.options);
        std::vector<DayTimeText> dayTexts;
        if (days) dayTexts = DayTimeTexts(command.request, result, *days, words.options);
        UseBearings(texts, result);
        AddEventClockNotes(texts, days ? &dayTexts : nullptr, clocks);
        output = PlaceAndZoneReport(command.place, command.zoneRules, command.reading) +
                 (days ? ResultReportWithDayTimes(command.request, texts, dayTexts, words,
                                                  &*days, &additions)
                       : ResultReport(texts, words));
    }
    if (!WriteAll(stdout, output)) {
        WriteAll(stderr, "tarvel-cli: " +
                             CliWord("the results could not be written to standard output") +
                             "\n");
        return kExitOutputError;
    }
    return kExitSuccess;
}
