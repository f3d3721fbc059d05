// The command line's conventions: bearings from north, east-positive
// longitudes, ISO 8601 timestamps on the event's clock, and "-" or a pipe as
// the output.
#include "cli/cli_conventions.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "cli/run_program.h"

namespace tarvel {
namespace {

using testing::ProgramRun;
using testing::RunCli;

TEST(CliConventions, BearingsAndLongitudes) {
    const struct {
        double fromSouth;
        double sun;    // the Sun's: from the south, west positive
        double qibla;  // the Qibla's: from the south, east positive
    } cases[] = {
        {0.0, 180.0, 180.0},    {-44.635679, 135.364321, 224.635679}, {90.0, 270.0, 90.0},
        {-90.0, 90.0, 270.0},   {180.0, 0.0, 0.0},                    {-180.0, 0.0, 0.0},
        {56.72, 236.72, 123.28},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(SunBearing(c.fromSouth), c.sun, 1e-9) << c.fromSouth;
        EXPECT_NEAR(QiblaBearing(c.fromSouth), c.qibla, 1e-9) << c.fromSouth;
        EXPECT_GE(SunBearing(c.fromSouth), 0.0);
        EXPECT_LT(SunBearing(c.fromSouth), 360.0);
    }
    EXPECT_EQ(LongitudeText(12.51133), "12.5113° E");
    EXPECT_EQ(LongitudeText(-74.006), "74.0060° W");
}

TEST(CliConventions, TimestampsCarryTheirDateAndOffset) {
    const struct {
        CalendarDate date;
        int dayOffset;
        double hours;
        long offsetSeconds;
        const char* expected;
    } cases[] = {
        {{2024, 6, 21}, 1, 0.82039, 3600, "2024-06-22T00:49:13.4+01:00"},
        {{2024, 6, 21}, 0, 5.5825556, 7200, "2024-06-21T05:34:57.2+02:00"},
        // A time that rounds to the next day carries into its date.
        {{2024, 12, 31}, 0, 23.99999, 0, "2025-01-01T00:00:00.0+00:00"},
        {{2024, 3, 1}, -1, 23.5, -12600, "2024-02-29T23:30:00.0-03:30"},
        {{1880, 1, 1}, 0, 12.0, 2996, "1880-01-01T12:00:00.0+00:49:56"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsoTimestamp(c.date, c.dayOffset, c.hours, c.offsetSeconds), c.expected);
    }
}

// East positive without a letter, bearings from north and timestamps in
// JSON; "-" and /dev/stdout write into the pipe the program's output is.
TEST(CliConventions, ProgramSpeaksTheConventions) {
    const std::vector<std::string> rome = {"--date", "2024-06-21", "--time", "12:00",
                                           "--zone", "1",          "--summer", "--lat",
                                           "41.9",   "--lon",      "12.5",     "--json"};
    const ProgramRun run = RunCli(rome);
    ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("apparentRise"), "2024-06-21T05:34:57.2+02:00");
    EXPECT_NEAR(json.at("azimuth").get<double>(), 135.364, 0.001);
    EXPECT_NEAR(json.at("qiblaAzimuth").get<double>(), 123.277, 0.001);
    EXPECT_EQ(json.at("request").at("longitude"), 12.5);

    const std::vector<std::string> table = {"table", "--date", "2024-06-21", "--zone", "1",
                                            "--lat", "41.9",   "--lon",      "12.5E", "--points",
                                            "2",     "--lang", "it",       "--output"};
    for (const char* output : {"-", "/dev/stdout"}) {
        std::vector<std::string> args = table;
        args.push_back(output);
        const ProgramRun written = RunCli(args);
        EXPECT_EQ(written.exitCode, kExitSuccess) << output << ": " << written.err;
        EXPECT_NE(written.out.find("latitudine = 41°54'00.0\" nord"), std::string::npos)
            << output << ": " << written.out;
    }
    const ProgramRun chart =
        RunCli({"chart", "--kind", "analemma", "--lat", "41.9", "--lon", "12.5", "--output", "-"});
    EXPECT_EQ(chart.exitCode, kExitSuccess) << chart.err;
    EXPECT_EQ(chart.out.rfind("<?xml", 0), 0u);
}

// London in the short night of June, the Sun 13° below the horizon: the
// refraction the altitude receives is none, and every output says so.
TEST(CliConventions, RefractionBelowTheHorizonIsOneValueEverywhere) {
    const std::vector<std::string> london = {"--tz",  "Europe/London", "--lat",  "51.5074",
                                             "--lon", "-0.1278",       "--date", "2026-06-21",
                                             "--time", "02:15:08"};
    std::vector<std::string> json = london;
    json.push_back("--json");
    const ProgramRun values = RunCli(json);
    ASSERT_EQ(values.exitCode, kExitSuccess) << values.err;
    const nlohmann::json result = nlohmann::json::parse(values.out);
    EXPECT_LT(result.at("altitude").get<double>(), -13.0);
    EXPECT_EQ(result.at("refraction").get<double>(), 0.0);
    EXPECT_EQ(result.at("refractedAltitude"), result.at("altitude"));

    EXPECT_NE(RunCli(london).out.find("refraction:           0.0000'"), std::string::npos);
    struct Case {
        std::vector<std::string> format;
        const char* shown;
    } cases[] = {
        {{}, " 00'00.0\""},
        {{"--decimal-angles"}, "0.0000"},
        {{"--format", "csv"}, ",0,"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> table = {"table", "--columns", "altitude", "--points", "1"};
        table.insert(table.end(), london.begin(), london.end());
        table.insert(table.end(), c.format.begin(), c.format.end());
        const ProgramRun run = RunCli(table);
        ASSERT_EQ(run.exitCode, kExitSuccess) << run.err;
        EXPECT_NE(run.out.find(c.shown), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("03'56"), std::string::npos) << run.out;
    }
}

}  // namespace
}  // namespace tarvel
