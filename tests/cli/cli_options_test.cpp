// The option texts tarvel-cli accepts and the request it builds from them.
#include "cli/cli_options.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "civil/local_clock.h"
#include "cli/cli_value_readers.h"

namespace tarvel {
namespace {

std::string Show(const std::optional<double>& value) {
    return value ? std::to_string(*value) : std::string("rejected");
}

TEST(CliOptionsTest, Decimals) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"45", 45.0},    {"+5", 5.0},         {"-3.5", -3.5}, {".5", 0.5},  {"5.", 5.0},
        {"1e3", 1000.0}, {"-1.5E-2", -0.015}, {"0", 0.0},     {"", {}},     {"+", {}},
        {"-", {}},       {".", {}},           {"e3", {}},     {"1e", {}},   {"--5", {}},
        {"+-5", {}},     {"0x10", {}},        {"inf", {}},    {"nan", {}},  {"1e400", {}},
        {" 5", {}},      {"5 ", {}},          {"45,5", {}},   {"5..1", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(ParseDecimal(c.text)), Show(c.expected))
            << "ParseDecimal(\"" << c.text << "\")";
    }
}

TEST(CliOptionsTest, Zones) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"5.75", 5.75},    {"-3.5", -3.5},   {"+05:45", 5.75}, {"-03:30", -3.5}, {"5:30", 5.5},
        {"0", 0.0},        {"+00:00", 0.0},  {"14", 14.0},     {"-12", -12.0},   {"+14:00", 14.0},
        {"-12:00", -12.0}, {"12.75", 12.75}, {"14.01", {}},    {"-12.5", {}},    {"+14:30", {}},
        {"-12:01", {}},    {"05:60", {}},    {"05:7", {}},     {"005:00", {}},   {"05:45:00", {}},
        {"5.75h", {}},     {"", {}},         {"+", {}},        {"--3", {}},      {"+-03:30", {}},
        {"5,75", {}},      {"nan", {}},      {":30", {}},
    };
    for (const Case& c : cases) {
        const std::optional<float> zone = ParseZoneHours(c.text);
        const std::optional<double> obtained =
            zone ? std::optional<double>(*zone) : std::optional<double>();
        EXPECT_EQ(Show(obtained), Show(c.expected)) << "ParseZoneHours(\"" << c.text << "\")";
    }
}

// A bare number counts east positive, as GPS and ISO 6709 do; the value read
// is the computation's, west positive.
TEST(CliOptionsTest, LongitudesReadEastPositive) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"12.5E", -12.5},
        {"74W", 74.0},
        {"-8", 8.0},
        {"12.5e", -12.5},
        {"74w", 74.0},
        {"180W", 180.0},
        {"180E", -180.0},
        {"+8", -8.0},
        {"-180", 180.0},
        {"0E", 0.0},
        {"12.5", -12.5},
        {"-74", 74.0},
        {"0", 0.0},
        {"-12E", {}},
        {"+12W", {}},
        {"181", {}},
        {"180.5E", {}},
        {"E", {}},
        {"12.5X", {}},
        {"12.5 E", {}},
        {"12.5N", {}},
        {"", {}},
        {"12.5EE", {}},
        {"12°29'E", -(12 + 29 / 60.0)},
        {"74°0'30\"W", 74 + 30 / 3600.0},
        {"12°60'E", {}},
        {"-12°29'E", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(ParseLongitudeWest(c.text)), Show(c.expected))
            << "ParseLongitudeWest(\"" << c.text << "\")";
    }
}

TEST(CliOptionsTest, Latitudes) {
    struct Case {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {"45", 45.0},          {"33.9S", -33.9},  {"45N", 45.0},
        {"45n", 45.0},         {"-90", -90.0},    {"90", 90.0},
        {"90.1", {}},          {"-33.9S", {}},    {"45E", {}},
        {"91N", {}},           {"41°54'N", 41.9}, {"41°54'30\"S", -(41 + 54 / 60.0 + 30 / 3600.0)},
        {"41°54.5'60\"N", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Show(ParseLatitude(c.text)), Show(c.expected))
            << "ParseLatitude(\"" << c.text << "\")";
    }
}

TEST(CliOptionsTest, DatesOfTheProlepticGregorianCalendar) {
    struct Case {
        const char* text;
        bool accepted;
        int year = 0, month = 0, day = 0;
    } cases[] = {
        {"2024-06-21", true, 2024, 6, 21},
        {"2024-02-29", true, 2024, 2, 29},
        {"2000-02-29", true, 2000, 2, 29},
        {"1-01-01", true, 1, 1, 1},
        {"9999-12-31", true, 9999, 12, 31},
        {"0800-3-1", true, 800, 3, 1},
        {"1582-10-10", true, 1582, 10, 10},  // proleptic: no gap in October 1582
        {"2023-02-29", false},
        {"1900-02-29", false},
        {"2100-02-29", false},
        {"2024-04-31", false},
        {"2024-13-01", false},
        {"2024-00-10", false},
        {"2024-01-00", false},
        {"0-01-01", false},
        {"0000-01-01", false},
        {"10000-01-01", false},
        {"2024/01/01", false},
        {"-2024-01-01", false},
        {"2024-01-01T00", false},
        {"2024-001-01", false},
        {"", false},
    };
    for (const Case& c : cases) {
        const std::optional<CivilDate> date = ParseDate(c.text);
        ASSERT_EQ(date.has_value(), c.accepted) << "ParseDate(\"" << c.text << "\")";
        if (date) {
            EXPECT_EQ(date->year, c.year) << "ParseDate(\"" << c.text << "\") year";
            EXPECT_EQ(date->month, c.month) << "ParseDate(\"" << c.text << "\") month";
            EXPECT_EQ(date->day, c.day) << "ParseDate(\"" << c.text << "\") day";
        }
    }
}

TEST(CliOptionsTest, ClockTimes) {
    struct Case {
        const char* text;
        bool accepted;
        int hour = 0, minute = 0;
        double second = 0;
    } cases[] = {
        {"12:34", true, 12, 34, 0.0},
        {"00:00:00", true, 0, 0, 0.0},
        {"23:59:59.9", true, 23, 59, 59.9},
        {"9:05", true, 9, 5, 0.0},
        {"12:34:5", true, 12, 34, 5.0},
        {"12:34:07.25", true, 12, 34, 7.25},
        {"24:00", false},
        {"12:60", false},
        {"12:00:60", false},
        {"12:00:59.", false},
        {"12", false},
        {"12:00:00:00", false},
        {"-1:00", false},
        {"12:00:+5", false},
        {"12:00:5e1", false},
        {"12:00:075", false},
        {"", false},
        {"12h30", false},
    };
    for (const Case& c : cases) {
        const std::optional<ClockTime> time = ParseClockTime(c.text);
        ASSERT_EQ(time.has_value(), c.accepted) << "ParseClockTime(\"" << c.text << "\")";
        if (time) {
            EXPECT_EQ(time->hour, c.hour) << "ParseClockTime(\"" << c.text << "\") hour";
            EXPECT_EQ(time->minute, c.minute) << "ParseClockTime(\"" << c.text << "\") minute";
            EXPECT_EQ(time->second, c.second) << "ParseClockTime(\"" << c.text << "\") second";
        }
    }
}

// A clock fixed at 2024-07-01 12:34:56 in a zone of standard offset +1 whose
// summer time runs from April to September; it records the summer-time queries.
struct FakeClock {
    std::vector<CivilDate> askedDates;
    std::vector<ClockTime> askedTimes;

    LocalClock Clock() {
        LocalClock clock;
        clock.present = [] {
            LocalMoment moment;
            moment.date = {2024, 7, 1};
            moment.time = {12, 34, 56.0};
            moment.standardZoneHours = 1.0f;
            return moment;
        };
        clock.summerTimeAt = [this](const CivilDate& date, const ClockTime& time) {
            askedDates.push_back(date);
            askedTimes.push_back(time);
            return date.month >= 4 && date.month <= 9;
        };
        return clock;
    }
};

TEST(CliOptionsTest, DefaultsArePresentMomentOwnZoneAndTheSettingsSite) {
    FakeClock fake;
    const CliCommand command = ParseCommandLine({}, fake.Clock());
    ASSERT_EQ(command.action, CliAction::kCompute) << command.text;
    const SolarRequest& q = command.request;
    EXPECT_EQ(q.year, 2024);
    EXPECT_EQ(q.month, 7);
    EXPECT_EQ(q.day, 1);
    EXPECT_EQ(q.hour, 12);
    EXPECT_EQ(q.minute, 34);
    EXPECT_EQ(q.second, 56.0);
    EXPECT_EQ(q.zoneHours, 1.0f);
    EXPECT_EQ(q.zoneMinutes, 60.0f);
    EXPECT_TRUE(q.summerTime);
    // The observer of the stored settings' defaults (checked against the
    // documented values by the settings store's tests).
    EXPECT_EQ(static_cast<const ObserverSettings&>(q), ObserverSettings());
    EXPECT_FALSE(q.deltaTGiven);
    EXPECT_FALSE(command.json);
    // The summer rule was asked about the present moment itself.
    ASSERT_EQ(fake.askedDates.size(), 1u);
    EXPECT_EQ(fake.askedDates[0].month, 7);
    EXPECT_EQ(fake.askedTimes[0].minute, 34);
}

TEST(CliOptionsTest, SummerTimeFollowsTheGivenDateAndTheOwnZoneOnly) {
    struct Case {
        std::vector<std::string> args;
        bool summer;
    } cases[] = {
        {{"--date", "2024-01-15"}, false},
        {{"--date", "2024-08-15", "--time", "03:00"}, true},
        // The computer's zone given explicitly still uses its rule.
        {{"--zone", "1"}, true},
        {{"--zone", "+01:00"}, true},
        // Another zone: the computer's rule does not apply.
        {{"--zone", "5.75"}, false},
        {{"--zone", "0"}, false},
        // The flags override the rule.
        {{"--date", "2024-01-15", "--summer"}, true},
        {{"--zone", "5.75", "--summer"}, true},
        {{"--no-summer"}, false},
        // Up to 1970-01-01 12:00 the computer's rule is not asked, as in the windows.
        {{"--date", "1969-08-15"}, false},
        {{"--date", "1970-08-15"}, true},
    };
    for (const Case& c : cases) {
        FakeClock fake;
        const CliCommand command = ParseCommandLine(c.args, fake.Clock());
        std::string args;
        for (const std::string& a : c.args) args += a + " ";
        ASSERT_EQ(command.action, CliAction::kCompute) << args << command.text;
        EXPECT_EQ(command.request.summerTime, c.summer) << "ParseCommandLine(" << args << ")";
    }
}

TEST(CliOptionsTest, GivenValuesFillTheRequest) {
    FakeClock fake;
    const CliCommand command =
        ParseCommandLine({"--date",        "2024-06-21", "--time",
                          "05:06:07.5",    "--zone",     "-03:30",
                          "--lat",         "33.9S",      "--lon",
                          "74W",           "--height",   "250",
                          "--delta-t",     "69.184",     "--refraction",
                          "integration",   "--pressure", "990",
                          "--temperature", "-5",         "--refraction-height",
                          "500",           "--humidity", "65",
                          "--fajr",        "-18",        "--isha",
                          "-15.5",         "--json"},
                         fake.Clock());
    ASSERT_EQ(command.action, CliAction::kCompute) << command.text;
    const SolarRequest& q = command.request;
    EXPECT_EQ(q.year, 2024);
    EXPECT_EQ(q.month, 6);
    EXPECT_EQ(q.day, 21);
    EXPECT_EQ(q.hour, 5);
    EXPECT_EQ(q.minute, 6);
    EXPECT_EQ(q.second, 7.5);
    EXPECT_EQ(q.zoneHours, -3.5f);
    EXPECT_EQ(q.zoneMinutes, -210.0f);
    EXPECT_FALSE(q.summerTime);
    EXPECT_EQ(q.latitude, -33.9);
    EXPECT_EQ(q.longitude, 74.0);
    EXPECT_EQ(q.height, 250.0);
    EXPECT_EQ(q.deltaT, 69.184);
    EXPECT_TRUE(q.deltaTGiven);
    EXPECT_EQ(q.refractionModel, kRefractionIntegration);
    EXPECT_EQ(q.pressure, 990.0);
    EXPECT_EQ(q.temperature, -5.0);
    EXPECT_EQ(q.refractionHeight, 500.0);
    EXPECT_EQ(q.humidity, 65.0);
    EXPECT_EQ(q.fajrAngle, -18.0);
    EXPECT_EQ(q.ishaAngle, -15.5);
    EXPECT_TRUE(command.json);
}

// Values named by a word, read in any letter case; numbers and other words
// are refused.
TEST(CliOptionsTest, NamedValuesInAnyCase) {
    const std::string refraction = "not accepted: expected bennett or integration";
    const std::string format = "not accepted: expected window, file, clipboard or csv";
    struct Case {
        std::vector<std::string> args;
        int value;            // the value read, when accepted
        std::string refusal;  // otherwise how the refusal ends
    } cases[] = {
        {{"--refraction", "bennett"}, static_cast<int>(kRefractionBennett), ""},
        {{"--refraction", "Bennett"}, static_cast<int>(kRefractionBennett), ""},
        {{"--refraction", "INTEGRATION"}, static_cast<int>(kRefractionIntegration), ""},
        {{"--refraction", "integral"}, 0, refraction},
        {{"--refraction", "1"}, 0, refraction},
        {{"--refraction", ""}, 0, refraction},
        {{"table", "--format", "window"}, static_cast<int>(CliTableFormat::kWindow), ""},
        {{"table", "--format", "file"}, static_cast<int>(CliTableFormat::kFile), ""},
        {{"table", "--format", "clipboard"}, static_cast<int>(CliTableFormat::kClipboard), ""},
        {{"table", "--format", "csv"}, static_cast<int>(CliTableFormat::kCsv), ""},
        {{"table", "--format", "Clipboard"}, static_cast<int>(CliTableFormat::kClipboard), ""},
        {{"table", "--format", "txt"}, 0, format},
        {{"table", "--format", ""}, 0, format},
        {{"table", "--format", "csv "}, 0, format},
        {{"table", "--format", "3"}, 0, format},
    };
    for (const Case& c : cases) {
        FakeClock fake;
        const CliCommand command = ParseCommandLine(c.args, fake.Clock());
        std::string args;
        for (const std::string& a : c.args) args += a + " ";
        if (c.refusal.empty()) {
            ASSERT_NE(command.action, CliAction::kFail) << args << command.text;
            const int value = c.args.front() == "table"
                                  ? static_cast<int>(command.table.format)
                                  : static_cast<int>(command.request.refractionModel);
            EXPECT_EQ(value, c.value) << args;
        } else {
            EXPECT_EQ(command.text, "tarvel-cli: " + c.args[c.args.size() - 2] + " '" +
                                        c.args.back() + "' " + c.refusal)
                << args;
        }
    }
}

// A zone given either way puts the clock reading at the instant that offset
// means: 12:00 on 1 January 2024 at UTC+z is JD 2460311.0 - z/24 (UT).
TEST(CliOptionsTest, ZonesGiveTheInstantOfTheirOffset) {
    const struct {
        const char* zone;
        double minutesEast;
    } cases[] = {{"5.75", 345}, {"-3.5", -210}, {"5.1", 306},
                 {"+12:45", 765}, {"-9:30", -570}, {"0.3", 18}};
    for (const auto& c : cases) {
        FakeClock fake;
        const CliCommand command = ParseCommandLine(
            {"--zone", c.zone, "--date", "2024-01-01", "--time", "12:00", "--no-summer",
             "--delta-t", "69"},
            fake.Clock());
        ASSERT_EQ(command.action, CliAction::kCompute) << c.zone << ": " << command.text;
        const double expected = 2460311.0 - c.minutesEast / 1440.0;
        EXPECT_NEAR(CalcSolarParameters(command.request).julianDay, expected, 1e-8)
            << "--zone " << c.zone;
    }
}

TEST(CliOptionsTest, RefusalsAreOneLineNamingTheOption) {
    struct Case {
        std::vector<std::string> args;
        const char* named;
    } cases[] = {
        {{"--lat", "100"}, "--lat '100'"},
        {{"--lat"}, "--lat needs a value"},
        {{"--lon", "1", "--lon", "2"}, "--lon given more than once"},
        {{"--zone", "15"}, "--zone '15'"},
        {{"--date", "2023-02-29"}, "--date '2023-02-29'"},
        {{"--summer", "--no-summer"}, "--summer and --no-summer"},
        {{"--json=1"}, "--json takes no value"},
        {{"--nope"}, "unknown option '--nope'"},
        {{"stray"}, "unexpected argument 'stray'"},
    };
    for (const Case& c : cases) {
        FakeClock fake;
        const CliCommand command = ParseCommandLine(c.args, fake.Clock());
        std::string args;
        for (const std::string& a : c.args) args += a + " ";
        EXPECT_EQ(command.action, CliAction::kFail) << "ParseCommandLine(" << args << ")";
        EXPECT_EQ(command.text.rfind("tarvel-cli: ", 0), 0u) << command.text;
        EXPECT_NE(command.text.find(c.named), std::string::npos)
            << "ParseCommandLine(" << args << "): expected mention of " << c.named << ", obtained "
            << command.text;
        EXPECT_EQ(command.text.find('\n'), std::string::npos) << command.text;
    }
}

TEST(CliOptionsTest, HelpAndVersionArePrinted) {
    FakeClock fake;
    const CliCommand help = ParseCommandLine({"--help"}, fake.Clock());
    EXPECT_EQ(help.action, CliAction::kPrint);
    EXPECT_EQ(help.text, CliHelpText());
    EXPECT_EQ(ParseCommandLine({"-h"}, fake.Clock()).text, CliHelpText());
    const CliCommand version = ParseCommandLine({"--version"}, fake.Clock());
    EXPECT_EQ(version.action, CliAction::kPrint);
    EXPECT_EQ(version.text, CliVersionText());
    EXPECT_EQ(version.text.rfind("tarvel-cli ", 0), 0u) << version.text;
}

// The help says, for every option with a value, what its refusal says it
// expects; and --help after the refused value still prints it.
TEST(CliOptionsTest, HelpStatesWhatEachRefusalExpects) {
    const auto words = [](const std::string& text) {
        std::istringstream in(text);
        std::string joined;
        for (std::string word; in >> word;) joined += (joined.empty() ? "" : " ") + word;
        return joined;
    };
    struct Case {
        std::vector<std::string> args;
        std::string help;
    } cases[] = {
        {{"--date", "x"}, CliHelpText()},
        {{"--time", "x"}, CliHelpText()},
        {{"--zone", "x"}, CliHelpText()},
        {{"--lat", "x"}, CliHelpText()},
        {{"--lon", "x"}, CliHelpText()},
        {{"--height", "x"}, CliHelpText()},
        {{"--delta-t", "x"}, CliHelpText()},
        {{"--refraction", "x"}, CliHelpText()},
        {{"--pressure", "x"}, CliHelpText()},
        {{"--temperature", "x"}, CliHelpText()},
        {{"--refraction-height", "x"}, CliHelpText()},
        {{"--humidity", "x"}, CliHelpText()},
        {{"--fajr", "x"}, CliHelpText()},
        {{"--isha", "x"}, CliHelpText()},
        {{"table", "--zone", "5.1"}, CliTableHelpText()},
        {{"table", "--step", "x"}, CliTableHelpText()},
        {{"table", "--unit", "x"}, CliTableHelpText()},
        {{"table", "--points", "x"}, CliTableHelpText()},
        {{"table", "--format", "x"}, CliTableHelpText()},
    };
    for (const Case& c : cases) {
        FakeClock fake;
        const CliCommand refused = ParseCommandLine(c.args, fake.Clock());
        std::string args;
        for (const std::string& a : c.args) args += a + " ";
        ASSERT_EQ(refused.action, CliAction::kFail) << args;
        const std::size_t expected = refused.text.find("expected ");
        ASSERT_NE(expected, std::string::npos) << refused.text;
        const std::string accepted = refused.text.substr(expected + 9);
        EXPECT_NE(words(c.help).find(words(accepted)), std::string::npos)
            << args << ": the help does not say " << accepted;

        std::vector<std::string> withHelp = c.args;
        withHelp.push_back("--help");
        EXPECT_EQ(ParseCommandLine(withHelp, fake.Clock()).text, c.help) << args << "--help";
    }
}

}  // namespace
}  // namespace tarvel

namespace tarvel {
namespace {

// The computer's standard zone from its rules, under a few POSIX zone rules.
TEST(CliOptionsTest, StandardOffsetFromTheZoneRules) {
    const char* saved = std::getenv("TZ");
    const std::string savedZone = saved != nullptr ? saved : "";
    struct Case {
        const char* rule;
        std::time_t instant;
        long expected;
    } cases[] = {
        // 2024-01-15 and 2024-07-15, 00:00 UT.
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1705276800, 3600},
        {"CET-1CEST,M3.5.0,M10.5.0/3", 1721001600, 3600},
        // Lord Howe Island: UTC+10:30, summer time half an hour ahead.
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 1705276800, 37800},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", 1721001600, 37800},
        {"UTC0", 1721001600, 0},
    };
    for (const Case& c : cases) {
        setenv("TZ", c.rule, 1);
        tzset();
        EXPECT_EQ(StandardOffsetSeconds(c.instant), c.expected) << c.rule << " at " << c.instant;
    }
    if (saved != nullptr) {
        setenv("TZ", savedZone.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

}  // namespace
}  // namespace tarvel
