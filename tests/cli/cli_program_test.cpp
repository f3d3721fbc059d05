// tarvel-cli run as a program: exit status, standard output and standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <iterator>
#include <nlohmann/json.hpp>
#include <regex>
#include <string>
#include <vector>

#include "astro/solar_computation.h"
#include "cli/cli_conventions.h"
#include "cli/cli_options.h"
#include "cli/cli_output.h"
#include "format/result_texts.h"
#include "run_program.h"

namespace tarvel {
namespace {

using testing::ProgramRun;
using testing::RunCli;

using testing::Joined;
using testing::Lines;

// Rome, summer solstice, everything given.
const std::vector<std::string> kRome = {"--date", "2024-06-21", "--time", "12:00:00", "--zone",
                                        "1",      "--summer",   "--lat",  "41.9",     "--lon",
                                        "12.5E",  "--delta-t",  "69.2"};

TEST(CliProgramTest, BadInputExitsTwoWithOneLineOnStandardErrorOnly) {
    struct Case {
        std::vector<std::string> args;
        const char* named;  // what the line must mention
    } cases[] = {
        {{"--frobnicate"}, "--frobnicate"},
        {{"positional"}, "positional"},
        {{"--lat", "abc"}, "--lat"},
        {{"--lat", "45,5"}, "--lat"},
        {{"--lat", "90.5"}, "--lat"},
        {{"--lat"}, "--lat"},
        {{"--lon", "-180.1"}, "--lon"},
        {{"--lon", "12.5Q"}, "--lon"},
        {{"--zone", "14.5"}, "--zone"},
        {{"--zone", "-12.25"}, "--zone"},
        {{"--zone", "+05:75"}, "--zone"},
        {{"--date", "2023-02-29"}, "--date"},
        {{"--date", "2024-04-31"}, "--date"},
        {{"--date", "0-01-01"}, "--date"},
        {{"--date", "10000-01-01"}, "--date"},
        {{"--date", "21/06/2024"}, "--date"},
        {{"--time", "24:00"}, "--time"},
        {{"--time", "12:60"}, "--time"},
        {{"--time", "12:00:60"}, "--time"},
        {{"--height", "-1001"}, "--height"},
        {{"--delta-t", "sixty"}, "--delta-t"},
        {{"--refraction", "snell"}, "--refraction"},
        {{"--pressure", "-1"}, "--pressure"},
        {{"--temperature", "-273"}, "--temperature"},
        {{"--refraction-height", "10001"}, "--refraction-height"},
        {{"--humidity", "100.5"}, "--humidity"},
        {{"--humidity", "-1"}, "--humidity"},
        {{"--fajr", "5"}, "--fajr"},
        {{"--isha", "-91"}, "--isha"},
        {{"--summer", "--no-summer"}, "--no-summer"},
        {{"--json=yes"}, "--json"},
        {{"--lat", "1", "--lat", "2"}, "--lat"},
        // Bounds on what is plausible or physically meaningful.
        {{"--delta-t", "1e308"}, "--delta-t"},
        {{"--delta-t", "1e20"}, "--delta-t"},
        {{"--delta-t", "-1000.5"}, "--delta-t"},
        {{"--refraction", "integration", "--pressure", "1200", "--temperature", "-272.99"},
         "--temperature"},
        {{"--temperature", "200"}, "--temperature"},
        {{"--pressure", "0", "--humidity", "50"}, "--pressure"},
        // One rule for repetitions, and unknown options always refused.
        {{"--json", "--json"}, "--json"},
        {{"--summer", "--summer"}, "--summer"},
        {{"--version", "--nope"}, "--nope"},
        {{"--help", "--nope"}, "--nope"},
        // Tables: a file name that cannot be written, and rows past the dates served.
        {{"table", "--zone", "0", "--output", ""}, "--output"},
        {{"table", "--zone", "0", "--output", "/"}, "--output"},
        {{"table", "--zone", "0", "--output", "/no/such/folder/t.txt"}, "--output"},
        {{"table", "--date", "3000-01-01", "--time", "00:00", "--zone", "0", "--lat", "0", "--lon",
          "0", "--points", "1000", "--step", "60", "--unit", "years"},
         "--points"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunCli(c.args);
        const std::string args = Joined(c.args);
        EXPECT_EQ(run.exitCode, kExitUsage) << "tarvel-cli " << args;
        EXPECT_EQ(run.out, "") << "tarvel-cli " << args;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1)
            << "tarvel-cli " << args << ": " << run.err;
        EXPECT_FALSE(run.err.empty() || run.err.back() != '\n') << "tarvel-cli " << args;
        EXPECT_NE(run.err.find(c.named), std::string::npos)
            << "tarvel-cli " << args << ": expected mention of " << c.named << ", obtained "
            << run.err;
    }
}

TEST(CliProgramTest, HelpAndVersionExitZero) {
    const ProgramRun help = RunCli({"--help"});
    EXPECT_EQ(help.exitCode, kExitSuccess);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, CliHelpText());
    EXPECT_EQ(help.out.rfind("Usage: tarvel-cli [--date YYYY-MM-DD]", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("Exit status:"), std::string::npos) << help.out;

    const ProgramRun version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, kExitSuccess);
    EXPECT_EQ(version.out, CliVersionText());
}

TEST(CliProgramTest, TextReportIsTheMainWindowTextsOfTheEchoedRequest) {
    const ProgramRun json = RunCli([] {
        auto args = kRome;
        args.push_back("--json");
        return args;
    }());
    ASSERT_EQ(json.exitCode, kExitSuccess) << json.err;
    const nlohmann::json parsed = nlohmann::json::parse(json.out);
    const nlohmann::json& q = parsed.at("request");

    // The request the program computed, read back from its JSON.
    SolarRequest request;
    request.year = q.at("year");
    request.month = q.at("month");
    request.day = q.at("day");
    request.hour = q.at("hour");
    request.minute = q.at("minute");
    request.second = q.at("second");
    request.zoneHours = q.at("zoneHours").get<float>();
    request.zoneMinutes = q.at("zoneMinutes").get<float>();
    request.latitude = q.at("latitude");
    request.longitude = -q.at("longitude").get<double>();  // east positive on the command line
    request.height = q.at("height");
    request.summerTime = q.at("summerTime");
    request.refractionModel = q.at("refractionModel");
    request.refractionHeight = q.at("refractionHeight");
    request.humidity = q.at("humidity");
    request.pressure = q.at("pressure");
    request.temperature = q.at("temperature");
    request.fajrAngle = q.at("fajrAngle");
    request.ishaAngle = q.at("ishaAngle");
    request.deltaT = q.at("deltaT");
    request.deltaTGiven = q.at("deltaTGiven");
    EXPECT_EQ(request.year, 2024);
    EXPECT_EQ(request.hour, 12);
    EXPECT_EQ(request.zoneMinutes, 60.0f);
    EXPECT_TRUE(request.summerTime);
    EXPECT_EQ(request.longitude, -12.5);
    EXPECT_EQ(request.deltaT, 69.2);
    EXPECT_TRUE(request.deltaTGiven);

    const SolarResult result = CalcSolarParameters(request);
    // The window's texts, with azimuths as bearings from north.
    std::vector<ResultText> texts = MainWindowResultTexts(request, result);
    UseBearings(texts, result);
    std::vector<std::string> italian = kRome;  // the window's texts as they are written
    italian.insert(italian.end(), {"--lang", "it"});
    const ProgramRun text = RunCli(italian);
    ASSERT_EQ(text.exitCode, kExitSuccess) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out, ResultReport(texts));

    // Layout: caption, aligned "  label: text" lines, a blank line between groups.
    const std::vector<std::string> lines = Lines(text.out);
    EXPECT_EQ(lines.front(), "DATA, ORA E LOCALITA'");
    EXPECT_EQ(lines.size(), texts.size() + 9 + 8);
    std::size_t i = 0;
    std::string_view caption;
    std::size_t column = std::string::npos;
    std::vector<ResultTextField> reported;
    for (const ReportLine& r : ResultReportLines()) {
        if (r.caption != caption) {
            if (!caption.empty()) {
                EXPECT_EQ(lines.at(i++), "");
            }
            EXPECT_EQ(lines.at(i++), r.caption);
            caption = r.caption;
        }
        const std::string& line = lines.at(i++);
        EXPECT_EQ(line.rfind("  " + std::string(r.label) + ":", 0), 0u) << line;
        const std::string& shown = TextOf(texts, r.field);
        const std::size_t start = line.size() - shown.size();
        EXPECT_EQ(line.substr(start), shown) << line;
        if (column == std::string::npos) column = start;
        EXPECT_EQ(start, column) << "texts aligned: " << line;
        reported.push_back(r.field);
    }
    // Every text of the window once.
    std::vector<ResultTextField> all;
    for (const ResultText& t : texts) all.push_back(t.field);
    std::sort(all.begin(), all.end());
    std::sort(reported.begin(), reported.end());
    EXPECT_EQ(reported, all);

    // The JSON values are the computation's, to the last bit; an event's time
    // a timestamp on its clock, an azimuth a bearing from north.
    EXPECT_EQ(parsed.at("schemaVersion").get<int>(), kJsonSchemaVersion);
    EXPECT_EQ(parsed.at("julianDay").get<double>(), result.julianDay);
    EXPECT_EQ(parsed.at("transit").get<std::string>(),
              IsoTimestamp({2024, 6, 21}, 0, result.transit, 7200));
    EXPECT_EQ(parsed.at("qiblaAzimuth").get<double>(), QiblaBearing(result.qiblaAzimuth));
    EXPECT_EQ(parsed.at("azimuth").get<double>(), SunBearing(result.azimuth));
}

TEST(CliProgramTest, JsonHasEveryFieldAndNullForWhatDoesNotOccur) {
    const ProgramRun run = RunCli({"--date", "2024-06-21", "--time", "12:00", "--zone", "+01:00",
                                   "--no-summer", "--lat", "80", "--lon", "15E", "--json"});
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    EXPECT_EQ(run.err, "");
    const nlohmann::json parsed = nlohmann::json::parse(run.out);
    const char* numbers[] = {
        "julianDay",
        "deltaT",
        "gmst",
        "lmst",
        "equationOfTime",
        "longitudeDifference",
        "meanLocalTime",
        "trueLocalTime",
        "trueZoneTime",
        "eclipticLongitude",
        "eclipticLatitude",
        "rightAscension",
        "declination",
        "topoRightAscension",
        "topoDeclination",
        "azimuth",
        "altitude",
        "refraction",
        "refractedAltitude",
        "transitAltitude",
        "transitRefraction",
        "geometricRiseAzimuth",
        "geometricSetAzimuth",
        "geometricDaylight",
        "apparentRiseAzimuth",
        "apparentSetAzimuth",
        "apparentDaylight",
        "qiblaAzimuth",
    };
    for (const char* name : numbers) {
        ASSERT_TRUE(parsed.contains(name)) << name;
        EXPECT_TRUE(parsed.at(name).is_number()) << name << " = " << parsed.at(name).dump();
    }
    // Events that occur: local timestamps with the clock's offset.
    const char* timestamps[] = {"transit", "asr1", "asr2", "qiblaTime"};
    for (const char* name : timestamps) {
        ASSERT_TRUE(parsed.contains(name)) << name;
        const std::string stamp = parsed.at(name).get<std::string>();
        EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(2024-06-21T\d\d:\d\d:\d\d\.\d\+01:00)")))
            << name << " = " << stamp;
    }
    // Midnight Sun: no rise or set, so no hours counted from them (temporal,
    // Italian, Babylonian, to the sunset), and the Sun never goes down to
    // Fajr's or Isha's depression. Absent values are null, which cannot be
    // mistaken for midnight.
    const char* absent[] = {"temporalHours", "italianHours", "babylonianHours", "hoursToSunset",
                            "geometricRise", "geometricSet", "apparentRise",    "apparentSet",
                            "fajr",          "isha"};
    for (const char* name : absent) {
        ASSERT_TRUE(parsed.contains(name)) << name;
        EXPECT_TRUE(parsed.at(name).is_null()) << name << " = " << parsed.at(name).dump();
    }
    EXPECT_EQ(parsed.at("geometricDaylight").get<double>(), 24.0);
    // + schemaVersion and request
    EXPECT_EQ(parsed.size(), std::size(numbers) + std::size(timestamps) + std::size(absent) + 2);

    const nlohmann::json& q = parsed.at("request");
    EXPECT_EQ(q.at("latitude").get<double>(), 80.0);
    EXPECT_EQ(q.at("longitude").get<double>(), 15.0);
    EXPECT_EQ(q.at("zoneHours").get<double>(), 1.0);
    EXPECT_EQ(q.at("zoneMinutes").get<double>(), 60.0);
    EXPECT_EQ(q.at("summerTime").get<bool>(), false);
    EXPECT_EQ(q.at("summerShiftSeconds").get<int>(), 0);
    EXPECT_EQ(q.at("deltaTGiven").get<bool>(), false);
    EXPECT_EQ(q.at("second").get<double>(), 0.0);
    EXPECT_EQ(q.size(), 22u);

    // The text report shows the undefined temporal hours as " 00:00:00.0".
    const ProgramRun text = RunCli({"--date", "2024-06-21", "--time", "12:00", "--zone", "+01:00",
                                    "--no-summer", "--lat", "80", "--lon", "15E"});
    ASSERT_EQ(text.exitCode, kExitSuccess) << text.err;
    for (const std::string& line : Lines(text.out)) {
        if (line.rfind("  ora temporale:", 0) == 0) {
            EXPECT_EQ(line.substr(line.size() - 11), " 00:00:00.0") << line;
        }
    }
}

TEST(CliProgramTest, DefaultZoneAndSummerTimeComeFromTheComputer) {
    // A POSIX zone rule, so that no time-zone database is needed: standard time
    // UTC+1, summer time from the last Sunday of March to the last of October.
    const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
    struct Case {
        std::vector<std::string> args;
        double zoneHours;
        bool summer;
    } cases[] = {
        {{"--date", "2024-07-01", "--time", "12:00"}, 1.0, true},
        {{"--date", "2024-01-15", "--time", "12:00"}, 1.0, false},
        {{"--date", "2200-07-01", "--time", "12:00"}, 1.0, true},
        {{"--date", "2024-07-01", "--time", "12:00", "--no-summer"}, 1.0, false},
        {{"--date", "2024-01-15", "--time", "12:00", "--summer"}, 1.0, true},
        // Another zone than the computer's: no summer time unless asked for.
        {{"--date", "2024-07-01", "--time", "12:00", "--zone", "5.75"}, 5.75, false},
        // Up to 1970-01-01 12:00 the computer's rules are not consulted, as in
        // the windows.
        {{"--date", "1969-07-15", "--time", "12:00"}, 1.0, false},
        {{"--date", "1970-07-15", "--time", "12:00"}, 1.0, true},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back("--json");
        const ProgramRun run = RunCli(args, kCentralEurope);
        ASSERT_EQ(run.exitCode, kExitSuccess) << Joined(args) << run.err;
        const nlohmann::json q = nlohmann::json::parse(run.out).at("request");
        EXPECT_EQ(q.at("zoneHours").get<double>(), c.zoneHours) << Joined(c.args);
        EXPECT_EQ(q.at("zoneMinutes").get<double>(), c.zoneHours * 60) << Joined(c.args);
        EXPECT_EQ(q.at("summerTime").get<bool>(), c.summer) << Joined(c.args);
        EXPECT_EQ(q.at("hour").get<int>(), 12) << "the clock reading as given";
    }
    // Summer time of half an hour (Lord Howe Island, standard time UTC+10:30):
    // the standard zone comes from the rules, not from the offset minus an hour.
    const char* kLordHowe = "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0";
    for (const char* date : {"2024-01-15", "2024-07-15"}) {
        const ProgramRun run = RunCli({"--date", date, "--time", "12:00", "--json"}, kLordHowe);
        ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
        const nlohmann::json q = nlohmann::json::parse(run.out).at("request");
        EXPECT_EQ(q.at("zoneHours").get<double>(), 10.5) << date;
    }
    // On a computer running on UTC every default is UTC without summer time.
    const ProgramRun utc = RunCli({"--date", "2024-07-01", "--json"}, "UTC");
    ASSERT_EQ(utc.exitCode, kExitSuccess) << utc.err;
    const nlohmann::json q = nlohmann::json::parse(utc.out).at("request");
    EXPECT_EQ(q.at("zoneHours").get<double>(), 0.0);
    EXPECT_EQ(q.at("summerTime").get<bool>(), false);
}

// The computer's zone passes the bounds of --zone: a TZ of any offset is
// refused in one line unless a zone is given.
TEST(CliProgramTest, ComputersZoneOutsideTheBoundsIsRefused) {
    const std::vector<std::string> at = {"--date", "2024-07-01", "--time", "12:00",
                                         "--lat",  "45",         "--lon",  "8E"};
    const ProgramRun far = RunCli(at, "UTC+99");
    EXPECT_EQ(far.exitCode, kExitUsage);
    EXPECT_EQ(far.out, "");
    EXPECT_EQ(far.err,
              "tarvel-cli: this computer's time zone is UTC-24, outside the zones from -12 to 14 "
              "hours: give --zone or --tz\n");
    std::vector<std::string> zoned = at;
    zoned.insert(zoned.end(), {"--zone", "1"});
    EXPECT_EQ(RunCli(zoned, "UTC+99").exitCode, kExitSuccess);
    EXPECT_EQ(RunCli(at, "<-13>13").exitCode, kExitUsage);
    EXPECT_EQ(RunCli(at, "<+14>-14").exitCode, kExitSuccess);
}

TEST(CliProgramTest, DefaultInstantIsThePresentMoment) {
    const std::time_t before = std::time(nullptr);
    const ProgramRun run = RunCli({"--json"}, "UTC");
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    const nlohmann::json q = nlohmann::json::parse(run.out).at("request");
    std::tm utc{};
    utc.tm_year = q.at("year").get<int>() - 1900;
    utc.tm_mon = q.at("month").get<int>() - 1;
    utc.tm_mday = q.at("day");
    utc.tm_hour = q.at("hour");
    utc.tm_min = q.at("minute");
    utc.tm_sec = static_cast<int>(q.at("second").get<double>());
    EXPECT_EQ(q.at("second").get<double>(), utc.tm_sec) << "whole seconds";
    const std::time_t shown = timegm(&utc);
    EXPECT_LE(before, shown);
    EXPECT_LE(shown, after);
}

TEST(CliProgramTest, OutputThatCannotBeWrittenExitsOne) {
    const ProgramRun run = RunCli(kRome, "UTC", "/dev/full");
    EXPECT_EQ(run.exitCode, kExitOutputError);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

}  // namespace
}  // namespace tarvel
