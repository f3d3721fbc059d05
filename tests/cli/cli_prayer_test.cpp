// The prayer method's options of tarvel-cli: what they fill, what they refuse,
// and the report and JSON of the day times they ask for, while the documented
// output stays as it is without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_conventions.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "cli/run_program.h"
#include "format/result_texts.h"

namespace tarvel {
namespace {

using testing::ProgramRun;
using testing::RunCli;

// 2024-07-01 12:00 on a UTC+1 clock without summer time.
LocalClock FixedClock() {
    LocalClock clock;
    clock.present = [] {
        LocalMoment moment;
        moment.date = {2024, 7, 1};
        moment.time = {12, 0, 0.0};
        moment.standardZoneHours = 1.0f;
        return moment;
    };
    clock.summerTimeAt = [](const CivilDate&, const ClockTime&) { return false; };
    return clock;
}

using testing::Joined;
using testing::Lines;

TEST(CliPrayer, OptionsFillTheRequest) {
    struct Case {
        std::vector<std::string> args;
        PrayerMethod method;
        bool ramadan;
        HighLatitudeRule rule;
        PrayerAdjustments adjustments;
        bool dayTimes;
    } cases[] = {
        {{}, PrayerMethod::kTarvel, false, HighLatitudeRule::kNone, {}, false},
        {{"--twilights"}, PrayerMethod::kTarvel, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "default"}, PrayerMethod::kTarvel, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "MWL"},
         PrayerMethod::kMuslimWorldLeague,
         false,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--method", "Isna"},
         PrayerMethod::kNorthAmerica,
         false,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--method=egypt"}, PrayerMethod::kEgypt, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "makkah", "--ramadan"},
         PrayerMethod::kUmmAlQura,
         true,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--method", "karachi"}, PrayerMethod::kKarachi, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "tehran"}, PrayerMethod::kTehran, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "dubai"}, PrayerMethod::kDubai, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "kuwait"}, PrayerMethod::kKuwait, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "qatar"}, PrayerMethod::kQatar, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "singapore"},
         PrayerMethod::kSingapore,
         false,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--method", "TURKEY"}, PrayerMethod::kTurkey, false, HighLatitudeRule::kNone, {}, true},
        {{"--method", "custom"}, PrayerMethod::kCustom, false, HighLatitudeRule::kNone, {}, true},
        {{"--ramadan", "--method=MAKKAH"},
         PrayerMethod::kUmmAlQura,
         true,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--high-latitude-rule", "middle"},
         PrayerMethod::kTarvel,
         false,
         HighLatitudeRule::kMiddleOfTheNight,
         {},
         true},
        {{"--high-latitude-rule", "Seventh"},
         PrayerMethod::kTarvel,
         false,
         HighLatitudeRule::kSeventhOfTheNight,
         {},
         true},
        {{"--high-latitude-rule", "angle"},
         PrayerMethod::kTarvel,
         false,
         HighLatitudeRule::kTwilightAngle,
         {},
         true},
        {{"--high-latitude-rule", "none"},
         PrayerMethod::kTarvel,
         false,
         HighLatitudeRule::kNone,
         {},
         true},
        {{"--adjust", "fajr=2,isha=-1"},
         PrayerMethod::kTarvel,
         false,
         HighLatitudeRule::kNone,
         {2, 0, 0, 0, 0, -1},
         true},
    };
    for (const Case& c : cases) {
        const CliCommand command = ParseCommandLine(c.args, FixedClock());
        ASSERT_EQ(command.action, CliAction::kCompute) << Joined(c.args) << command.text;
        const SolarRequest& q = command.request;
        EXPECT_EQ(q.prayerMethod, c.method) << Joined(c.args);
        EXPECT_EQ(q.ramadan, c.ramadan) << Joined(c.args);
        EXPECT_EQ(q.highLatitudeRule, c.rule) << Joined(c.args);
        EXPECT_EQ(q.prayerAdjustments, c.adjustments) << Joined(c.args);
        EXPECT_EQ(command.dayTimes, c.dayTimes) << Joined(c.args);
        EXPECT_EQ(q.fajrAngle, -19.0);
    }

    // The table carries them to every row, with the day times' columns.
    const CliCommand table =
        ParseCommandLine({"table", "--zone", "1", "--method", "turkey", "--high-latitude-rule",
                          "seventh", "--adjust", "asr=3", "--columns", "fajr,sunrise,night"},
                         FixedClock());
    ASSERT_EQ(table.action, CliAction::kTable) << table.text;
    const TableParameters& p = table.table.parameters;
    EXPECT_EQ(p.prayerMethod, PrayerMethod::kTurkey);
    EXPECT_EQ(p.highLatitudeRule, HighLatitudeRule::kSeventhOfTheNight);
    EXPECT_EQ(p.prayerAdjustments.asr, 3);
    EXPECT_EQ(ColumnOptionList(table.table.options, table.table.options.dayColumns),
              "fajr,sunrise,night");
}

TEST(CliPrayer, Adjustments) {
    struct Case {
        const char* text;
        bool ok;
        PrayerAdjustments expected;
    } cases[] = {
        {"fajr=2,isha=-1", true, {2, 0, 0, 0, 0, -1}},
        {" Sunrise = +3 , ZUHR=0,asr=-120,maghrib=120", true, {0, 3, 0, -120, 120, 0}},
        {"isha=0", true, {}},
        {"", false, {}},
        {"fajr", false, {}},
        {"fajr=", false, {}},
        {"fajr=1.5", false, {}},
        {"fajr=121", false, {}},
        {"fajr=1,fajr=2", false, {}},
        {"dhuhr=1", false, {}},
        {"fajr=1,", false, {}},
        {"fajr=1;isha=2", false, {}},
    };
    for (const Case& c : cases) {
        const std::optional<PrayerAdjustments> a = ParsePrayerAdjustments(c.text);
        EXPECT_EQ(a.has_value(), c.ok) << "ParsePrayerAdjustments(\"" << c.text << "\")";
        if (a && c.ok) {
            EXPECT_EQ(*a, c.expected) << c.text;
        }
    }
}

TEST(CliPrayer, RefusalsAreOneLineNamingTheOption) {
    struct Case {
        std::vector<std::string> args;
        const char* line;
    } cases[] = {
        {{"--method", "shafii"},
         "tarvel-cli: --method 'shafii' not accepted: expected default, mwl, isna, egypt, "
         "makkah, karachi, tehran, dubai, kuwait, qatar, singapore, turkey, custom or "
         "moonsighting"},
        {{"--high-latitude-rule", "48"},
         "tarvel-cli: --high-latitude-rule '48' not accepted: expected none, middle, seventh, "
         "angle or recommended"},
        {{"--polar-rule", "north"},
         "tarvel-cli: --polar-rule 'north' not accepted: expected none, nearest-latitude or "
         "nearest-day"},
        {{"--shafaq", "blue"},
         "tarvel-cli: --shafaq 'blue' not accepted: expected general, red or white"},
        {{"--rounding", "down"},
         "tarvel-cli: --rounding 'down' not accepted: expected none, nearest or up"},
        {{"--calendar", "hebrew"},
         "tarvel-cli: --calendar 'hebrew' not accepted: expected umm-al-qura or tabular"},
        {{"--isha-interval", "-5"}, "tarvel-cli: --isha-interval '-5' not accepted"},
        {{"--maghrib-angle", "3"}, "tarvel-cli: --maghrib-angle '3' not accepted"},
        {{"--adjust", "fajr=200"}, "tarvel-cli: --adjust 'fajr=200' not accepted"},
        {{"--adjust"}, "tarvel-cli: --adjust needs a value"},
        {{"--ramadan=yes"}, "tarvel-cli: --ramadan takes no value"},
        // Only Umm al-Qura has an Isha interval of its own in Ramadan.
        {{"--ramadan"},
         "tarvel-cli: --ramadan applies only with --method makkah: give it or leave --ramadan "
         "out"},
        {{"--method", "mwl", "--ramadan"}, "tarvel-cli: --ramadan applies only with --method"},
        {{"table", "--zone", "1", "--ramadan"}, "tarvel-cli: --ramadan applies only with"},
        {{"calendar", "--zone", "1", "--ramadan", "--method", "qatar"},
         "tarvel-cli: --ramadan applies only with"},
        {{"--method", "mwl", "--method", "isna"}, "tarvel-cli: --method given more than once"},
        {{"table", "--zone", "1", "--method", "x"}, "tarvel-cli: --method 'x' not accepted"},
        {{"table", "--zone", "1", "--twilights"}, "tarvel-cli: unknown option '--twilights'"},
        {{"table", "--zone", "1", "--columns", "fajr,dawn"},
         "tarvel-cli: --columns: unknown column \"dawn\""},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, kExitUsage) << Joined(c.args);
        EXPECT_EQ(run.out, "") << Joined(c.args);
        EXPECT_EQ(run.err.rfind(c.line, 0), 0u) << Joined(c.args) << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    const ProgramRun help = RunCli({"--help"});
    for (const char* text : {"--method NAME", "makkah: Umm al-Qura University, Makkah",
                             "turkey:", "--high-latitude-rule", "--adjust LIST", "--twilights"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
}

const std::vector<std::string> kLondon = {"--date", "2024-06-21", "--time",   "12:00",
                                          "--zone", "0",          "--summer", "--lat",
                                          "51.5",   "--lon",      "0.1278W"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliPrayer, ReportOfTheDayTimes) {
    // The window's Italian texts.
    const ProgramRun documented = RunCli(With(kLondon, {"--lang", "it"}));
    const ProgramRun twilights = RunCli(With(kLondon, {"--twilights", "--lang", "it"}));
    const ProgramRun mwl = RunCli(
        With(kLondon, {"--method", "mwl", "--high-latitude-rule", "seventh", "--lang", "it"}));
    for (const ProgramRun* run : {&documented, &twilights, &mwl}) {
        ASSERT_EQ(run->exitCode, kExitSuccess) << run->err;
    }
    const std::vector<std::string> a = Lines(documented.out);
    const std::vector<std::string> b = Lines(twilights.out);
    // The groups before the prayers as documented; the own method's prayers
    // the documented texts, with the method, the rule and Shuruq among them.
    const auto prayers = std::find(a.begin(), a.end(), "PREGHIERE ISLAMICHE");
    ASSERT_NE(prayers, a.end());
    const std::size_t first = static_cast<std::size_t>(prayers - a.begin());
    for (std::size_t i = 0; i <= first; ++i) EXPECT_EQ(b.at(i), a[i]);
    EXPECT_EQ(
        b.at(first + 1).rfind("  metodo:                    Tarvel (Fajr -19°, Isha -17°)", 0), 0u);
    EXPECT_EQ(b.at(first + 2), "  regola alte latitudini:    nessuna");
    EXPECT_EQ(b.at(first + 3), a.at(first + 1));  // Fajr
    EXPECT_EQ(b.at(first + 4).rfind("  Shuruq:                     0", 0), 0u) << b.at(first + 4);
    for (std::size_t i = first + 2; i < a.size(); ++i) EXPECT_EQ(b.at(i + 3), a[i]);
    // Then the twilights and the night, aligned with the rest, the blue and
    // golden hours as ranges, the day length's change, and the Hijri date.
    ASSERT_EQ(b.size(), a.size() + 3 + 13 + 5 + 4);
    EXPECT_EQ(b.at(a.size() + 3), "");
    EXPECT_EQ(b.at(a.size() + 4), "CREPUSCOLI E NOTTE");
    EXPECT_EQ(b.at(a.size() + 5), "  alba astronomica:           00:00:00.0");  // none in June
    EXPECT_EQ(b.at(a.size() + 15).rfind("  ultimo terzo della notte:   0", 0), 0u)
        << b.at(a.size() + 15);
    EXPECT_EQ(b.at(a.size() + 16).rfind("  ora blu del mattino:        0", 0), 0u)
        << b.at(a.size() + 16);
    EXPECT_EQ(b.at(a.size() + 20), "  variazione durata giorno:   -0 m 1 s") << b.at(a.size() + 20);
    EXPECT_EQ(b.at(a.size() + 22), "CALENDARIO ISLAMICO");
    EXPECT_EQ(b.at(a.size() + 23), "  data dell'Egira:            15 Dhuʻl-Hijjah 1445");
    EXPECT_EQ(b.back(), "  dal Maghrib:                16 Dhuʻl-Hijjah 1445");

    // The report is the engine's texts of the request the program computed.
    const nlohmann::json json = nlohmann::json::parse(
        RunCli(With(kLondon, {"--method", "mwl", "--high-latitude-rule", "seventh", "--json"}))
            .out);
    SolarRequest request;
    const nlohmann::json& q = json.at("request");
    request.year = 2024;
    request.month = 6;
    request.day = 21;
    request.hour = 12;
    request.SetZone(0);
    request.summerTime = true;
    request.latitude = 51.5;
    request.longitude = 0.1278;
    request.prayerMethod = *ParsePrayerMethod(q.at("prayerMethod").get<std::string>());
    request.highLatitudeRule = *ParseHighLatitudeRule(q.at("highLatitudeRule").get<std::string>());
    const SolarResult r = CalcSolarParameters(request);
    DayTimes d = CalcDayTimes(request, r);
    AddDayLengthChange(request, r, d);
    std::vector<ResultText> texts = MainWindowResultTexts(request, r);
    UseBearings(texts, r);
    DayTimeAdditions additions;
    additions.unrounded = &d;
    EXPECT_EQ(mwl.out, ResultReportWithDayTimes(request, texts, DayTimeTexts(request, r, d), {},
                                                &d, &additions));
    // Fajr and Isha given by the rule, named after the time.
    const std::vector<std::string> c = Lines(mwl.out);
    EXPECT_NE(std::find(c.begin(), c.end(),
                        "  Fajr:                      " +
                            DayTextOf(DayTimeTexts(request, r, d), DayTimeTextField::Fajr).text +
                            " (un settimo della notte)"),
              c.end())
        << mwl.out;
}

TEST(CliPrayer, JsonOfTheDayTimes) {
    const nlohmann::json documented = nlohmann::json::parse(RunCli(With(kLondon, {"--json"})).out);
    EXPECT_FALSE(documented.contains("prayerFajr"));
    EXPECT_FALSE(documented.at("request").contains("prayerMethod"));

    // In the program's order.
    const nlohmann::ordered_json json = nlohmann::ordered_json::parse(
        RunCli(With(kLondon, {"--method", "mwl", "--high-latitude-rule", "seventh", "--adjust",
                              "isha=5", "--json"}))
            .out);
    // The documented values as before, then the day times and their marks.
    EXPECT_EQ(json.at("fajr"), documented.at("fajr"));
    EXPECT_EQ(json.at("isha"), documented.at("isha"));
    EXPECT_EQ(json.at("fajrRule"), "seventh");
    EXPECT_EQ(json.at("ishaRule"), "seventh");
    EXPECT_TRUE(json.at("prayerFajr").is_string());
    EXPECT_EQ(json.at("prayerMaghrib"), documented.at("apparentSet"));
    EXPECT_TRUE(json.at("astronomicalDawn").is_null());  // the Sun stays above -18 degrees
    EXPECT_EQ(json.at("civilDawn").get<std::string>().substr(0, 11), "2024-06-21T");
    EXPECT_EQ(json.at("nightMiddle").get<std::string>().substr(0, 11), "2024-06-22T");
    EXPECT_TRUE(json.at("nightLength").is_number());  // hours
    const nlohmann::ordered_json& q = json.at("request");
    EXPECT_EQ(q.at("prayerMethod"), "mwl");
    EXPECT_EQ(q.at("highLatitudeRule"), "seventh");
    EXPECT_EQ(q.at("ramadan"), false);
    EXPECT_EQ(q.at("prayerAdjustments").at("isha"), 5);
    std::vector<std::string> keys;
    for (const auto& [key, value] : json.items()) keys.push_back(key);
    const auto at = [&keys](const char* key) { return std::find(keys.begin(), keys.end(), key); };
    EXPECT_EQ(at("fajrRule"), at("prayerFajr") + 1);
    EXPECT_EQ(at("ishaRule"), at("prayerIsha") + 1);
    // The blue and golden hours' eight bounds, the day length's change, the
    // prayers' marks and the Hijri date (calendar, date, month, evening's).
    EXPECT_EQ(json.size(), documented.size() + 18 + 2 + 8 + 1 + 1 + 4);

    // In Mecca no rule gives a time: the marks are null.
    const nlohmann::json mecca =
        nlohmann::json::parse(RunCli({"--date", "2024-06-21", "--time", "12:00", "--zone", "3",
                                      "--lat", "21.4225", "--lon", "39.8262E", "--method", "makkah",
                                      "--high-latitude-rule", "middle", "--json"})
                                  .out);
    EXPECT_TRUE(mecca.at("fajrRule").is_null());
    EXPECT_TRUE(mecca.at("ishaRule").is_null());
    // Isha 90 minutes after Maghrib, each to the tenth of a second.
    const auto seconds = [](const nlohmann::json& stamp) {
        const std::string t = stamp.get<std::string>();  // "2024-06-21T19:05:12.3+03:00"
        return std::stoi(t.substr(11, 2)) * 3600 + std::stoi(t.substr(14, 2)) * 60 +
               std::stod(t.substr(17, 4));
    };
    EXPECT_NEAR(seconds(mecca.at("prayerIsha")) - seconds(mecca.at("prayerMaghrib")), 5400.0,
                0.11);
}

// Times of the date's evening and night after midnight, and of its morning
// before the date's midnight, carry their date: in the report after the time,
// in JSON in the timestamp. The clocks are fixed zones, or the zone rules of
// the place.
TEST(CliPrayer, TimesOfTheDaysEveningAfterMidnightCarryTheirDate) {
    const std::vector<std::string> reykjavik = {
        "--date", "2024-06-21", "--time", "12:00", "--zone", "0", "--lat", "64.1466", "--lon",
        "21.9426W", "--method", "mwl", "--high-latitude-rule", "middle"};
    const std::vector<std::string> paris = {"--place", "Paris, France", "--date", "2024-05-15",
                                            "--time", "12:00", "--method", "karachi"};
    const std::vector<std::string> antarctic = {
        "--date", "1998-12-31", "--time", "13:00", "--zone", "-3", "--lat", "-64.7743", "--lon",
        "64.0538W", "--delta-t", "63", "--twilights"};
    const struct {
        const char* what;
        const std::vector<std::string>& args;
        const char* key;
        const char* label;  // the report's line of the value
        const char* date;
        int dayOffset;
    } cases[] = {
        {"Reykjavik, Maghrib after midnight", reykjavik, "prayerMaghrib", "  Maghrib:",
         "2024-06-22", 1},
        {"Reykjavik, Fajr by the rule on the date", reykjavik, "prayerFajr", "  Fajr:",
         "2024-06-21", 0},
        {"Paris, Isha after midnight", paris, "prayerIsha", "  Isha:", "2024-05-16", 1},
        {"Antarctic, the night's middle in the next year", antarctic, "nightMiddle",
         "  metà della notte:", "1999-01-01", 1},
    };
    for (const auto& c : cases) {
        const ProgramRun text = RunCli(With(c.args, {"--lang", "it"}));
        std::vector<std::string> withJson = c.args;
        withJson.push_back("--json");
        const ProgramRun run = RunCli(withJson);
        ASSERT_EQ(run.exitCode, kExitSuccess) << c.what << ": " << run.err;
        const nlohmann::json json = nlohmann::json::parse(run.out);
        const std::string stamp = json.at(c.key).get<std::string>();
        EXPECT_EQ(stamp.substr(0, 10), c.date) << c.what << ": obtained " << stamp;
        const std::vector<std::string> lines = Lines(text.out);
        const auto line = std::find_if(lines.begin(), lines.end(), [&](const std::string& l) {
            return l.rfind(c.label, 0) == 0;
        });
        ASSERT_NE(line, lines.end()) << c.what;
        const bool marked = line->find("(+1 giorno)") != std::string::npos;
        EXPECT_EQ(marked, c.dayOffset == 1) << c.what << ": obtained " << *line;
    }
    // The night is shorter than a day.
    const nlohmann::json night = nlohmann::json::parse(RunCli(With(antarctic, {"--json"})).out);
    EXPECT_LT(night.at("nightLength").get<double>(), 24.0);
}

// The choices beyond the methods: what they fill, and the day times they
// give in JSON and in the report: Tromsø's Maghrib of midsummer from the
// nearest latitude, rounded as timetables print it; Montreal's Isha at the
// Moonsighting Committee's seasonal limit; the blue and golden hours; the
// Hijri date.
TEST(CliPrayer, PolarRulesRoundingAndTheHijriDate) {
    const CliCommand command = ParseCommandLine(
        {"--method", "moonsighting", "--shafaq", "red", "--high-latitude-rule", "recommended",
         "--polar-rule", "nearest-day", "--isha-interval", "80", "--maghrib-angle", "-4",
         "--rounding", "up", "--calendar", "tabular"},
        FixedClock());
    ASSERT_EQ(command.action, CliAction::kCompute) << command.text;
    EXPECT_TRUE(command.dayTimes);
    EXPECT_EQ(command.request.prayerMethod, PrayerMethod::kMoonsighting);
    EXPECT_EQ(command.request.shafaq, Shafaq::kRed);
    EXPECT_EQ(command.request.highLatitudeRule, HighLatitudeRule::kRecommended);
    EXPECT_EQ(command.request.polarRule, PolarRule::kNearestDay);
    EXPECT_EQ(command.request.ishaIntervalMinutes, 80.0);
    EXPECT_EQ(command.request.maghribAngle, -4.0);
    EXPECT_EQ(command.request.rounding, PrayerRounding::kUp);
    EXPECT_EQ(command.hijriCalendar, HijriCalendar::kTabular);

    const std::vector<std::string> tromso = {"--date", "2024-06-21", "--time", "12:00",
                                             "--zone", "1",          "--summer", "--lat",
                                             "69.6492", "--lon",     "18.9553E", "--method",
                                             "mwl",    "--polar-rule", "nearest-latitude"};
    const nlohmann::json json =
        nlohmann::json::parse(RunCli(With(tromso, {"--rounding", "nearest", "--json"})).out);
    // Maghrib from the nearest latitude with a sunset, to the whole minute;
    // the unrounded time kept beside it.
    EXPECT_EQ(json.at("prayerMarks").at("maghrib").at("by"), "nearest-latitude");
    EXPECT_LT(json.at("prayerMarks").at("maghrib").at("latitude").get<double>(), 69.6492);
    const std::string maghrib = json.at("prayerMaghrib").get<std::string>();
    EXPECT_EQ(maghrib.substr(16, 5), ":00.0") << maghrib;
    const std::string unrounded =
        json.at("prayersUnrounded").at("prayerMaghrib").get<std::string>();
    EXPECT_NE(unrounded, maghrib);
    EXPECT_EQ(unrounded.substr(0, 13), maghrib.substr(0, 13));
    EXPECT_TRUE(json.at("civilDawn").is_null());  // the Sun stays above -6 degrees
    EXPECT_TRUE(json.at("blueHourMorningStart").is_null());
    EXPECT_TRUE(json.at("dayLengthChange").is_null());
    EXPECT_EQ(json.at("hijriDate"), "1445-12-15");
    EXPECT_EQ(json.at("hijriMonthName"), "Dhuʻl-Hijjah");
    EXPECT_EQ(json.at("hijriDateFromMaghrib"), "1445-12-16");
    EXPECT_EQ(json.at("request").at("polarRule"), "nearest-latitude");
    EXPECT_EQ(json.at("request").at("rounding"), "nearest");

    // The report names the rule after each time it gave.
    const ProgramRun report = RunCli(With(tromso, {"--lang", "en"}));
    ASSERT_EQ(report.exitCode, kExitSuccess) << report.err;
    EXPECT_NE(report.out.find("(nearest latitude "), std::string::npos) << report.out;

    // Montreal with the Moonsighting Committee: Isha at the seasonal limit;
    // the blue hour ends where the golden hour begins.
    const nlohmann::json montreal = nlohmann::json::parse(
        RunCli({"--date", "2024-06-21", "--time", "12:00", "--zone", "-5", "--summer", "--lat",
                "45.5017", "--lon", "73.5673W", "--method", "moonsighting", "--json"})
            .out);
    EXPECT_EQ(montreal.at("prayerMarks").at("isha").at("by"), "seasonal");
    EXPECT_EQ(montreal.at("blueHourMorningStart"), montreal.at("civilDawn"));
    EXPECT_EQ(montreal.at("blueHourMorningEnd"), montreal.at("goldenHourMorningStart"));
    EXPECT_EQ(montreal.at("goldenHourMorningEnd"), montreal.at("goldenHourEnd"));
    EXPECT_EQ(montreal.at("goldenHourEveningEnd"), montreal.at("blueHourEveningStart"));
    EXPECT_EQ(montreal.at("blueHourEveningEnd"), montreal.at("civilDusk"));
    EXPECT_TRUE(montreal.at("dayLengthChange").is_number());
}

}  // namespace
}  // namespace tarvel
