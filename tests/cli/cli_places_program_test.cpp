// tarvel-cli with places and time zones: --place, --tz, the places
// subcommand and their refusals, run as the built program.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "run_program.h"

namespace tarvel {
namespace {

using testing::ProgramRun;
using testing::RunCli;

TEST(CliPlacesProgramTest, PlaceAndZoneGiveTheSiteAndTheClock) {
    // The computer's own zone must not matter: Tokyo here, Rome asked for.
    const ProgramRun run = RunCli({"--place", "Rome, Italy", "--date", "2024-07-15", "--time",
                                   "12:00", "--json"},
                                  "Asia/Tokyo");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["place"]["name"], "Rome");
    EXPECT_EQ(json["place"]["timeZone"], "Europe/Rome");
    EXPECT_EQ(json["zone"]["name"], "Europe/Rome");
    EXPECT_EQ(json["zone"]["offsetSeconds"], 7200);
    EXPECT_EQ(json["zone"]["summerTime"], true);
    EXPECT_EQ(json["zone"]["clockReading"], "unique");
    EXPECT_EQ(json["request"]["zoneHours"], 1.0);
    EXPECT_EQ(json["request"]["summerTime"], true);
    EXPECT_NEAR(json["request"]["latitude"].get<double>(), 41.89, 0.01);
    EXPECT_NEAR(json["request"]["longitude"].get<double>(), 12.51, 0.01);  // east positive
    EXPECT_NEAR(json["place"]["longitude"].get<double>(), 12.51, 0.01);
    // Rome's transit in mid-July: about 13:15 on its summer clock.
    EXPECT_EQ(json["transit"].get<std::string>().substr(0, 14), "2024-07-15T13:");
    EXPECT_EQ(json["transit"].get<std::string>().substr(21), "+02:00");
}

TEST(CliPlacesProgramTest, ReadingsThatDoNotOccurOnceAreSaid) {
    const struct {
        std::vector<std::string> args;
        const char* said;
    } cases[] = {
        {{"--tz", "Europe/Rome", "--date", "2024-03-31", "--time", "02:30"},
         "does not exist on this date (the clocks were put forward): computed for 2024-03-31 "
         "03:00:00, just after the change."},
        {{"--tz", "Europe/Rome", "--date", "2024-10-27", "--time", "02:30"},
         "occurs twice on this date (the clocks were put back): computed for its first "
         "occurrence, UTC+2."},
        {{"--tz", "Asia/Kathmandu", "--date", "2024-03-31", "--time", "02:30"},
         "Time zone: Asia/Kathmandu, UTC+5:45\n"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = RunCli(c.args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(c.said), std::string::npos) << run.out.substr(0, 400);
    }
}

TEST(CliPlacesProgramTest, PlacesAreListedAndUnknownNamesRefused) {
    const ProgramRun list = RunCli({"places", "sao paulo"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out.rfind("São Paulo, Brazil", 0), 0u) << list.out;
    EXPECT_NE(list.out.find("America/Sao_Paulo"), std::string::npos);
    // The text in the interface's language, the JSON in English for scripts.
    const ProgramRun italian = RunCli({"places", "Roma", "--lang", "it"});
    EXPECT_EQ(italian.out.rfind("Roma, Lazio, Italia ", 0), 0u) << italian.out;
    const ProgramRun json = RunCli({"places", "Roma", "--lang", "it", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).front()["country"], "Italy");

    const struct {
        std::vector<std::string> args;
        const char* line;
    } refusals[] = {
        {{"--place", "Romx"},
         "tarvel-cli: --place 'Romx': no such place; close names: Rome, Lazio, Italy; "},
        {{"places", "Xqzvw"}, "tarvel-cli: no place matches 'Xqzvw'"},
        // A second word outside the quotes (it once ended the program).
        {{"places", "Rome", "Italy"},
         "tarvel-cli: unexpected argument 'Italy'; tarvel-cli places takes one QUERY: put a name "
         "of several words in quotes (see tarvel-cli places --help)"},
        {{"places"}, "tarvel-cli: QUERY is required (see tarvel-cli places --help)"},
        {{"--tz", "Mars/Olympus_Mons"}, "tarvel-cli: --tz 'Mars/Olympus_Mons' not accepted"},
        {{"--place", "Rome", "--lat", "10"}, "tarvel-cli: --place and --lat exclude each other"},
        {{"--tz", "Europe/Rome", "--summer"}, "tarvel-cli: --tz and --summer exclude each other"},
        {{"table", "--tz", "Europe/Rome", "--zone", "1"},
         "tarvel-cli: --tz and --zone exclude each other"},
    };
    for (const auto& c : refusals) {
        const ProgramRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.line;
        EXPECT_TRUE(run.out.empty()) << c.line;
        EXPECT_EQ(run.err.rfind(c.line, 0), 0u) << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;  // one line
    }
}

// Without its index (missing, or a file that is none) the program says so
// instead of finding no such place, in the user's language.
TEST(CliPlacesProgramTest, MissingOrDamagedIndexIsSaid) {
    const std::string damaged = ::testing::TempDir() + "tarvel_damaged_places.idx";
    {
        std::FILE* file = std::fopen(damaged.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fputs("not an index of places", file);
        std::fclose(file);
    }
    const std::string absent = ::testing::TempDir() + "tarvel_no_such_places.idx";
    for (const std::string& index : {absent, damaged}) {
        ::setenv("TARVEL_PLACES_INDEX", index.c_str(), 1);
        const struct {
            std::vector<std::string> args;
            std::string line;
        } cases[] = {
            {{"places", "Rome"},
             "tarvel-cli: the places' index " + index +
                 " is missing or damaged: no place can be found by name (reinstall the program, "
                 "or give --lat, --lon and --tz)\n"},
            {{"--place", "Rome"}, "tarvel-cli: the places' index " + index},
            {{"places", "Rome", "--lang", "it"},
             "tarvel-cli: l'indice dei luoghi " + index + " manca o è danneggiato"},
        };
        for (const auto& c : cases) {
            const ProgramRun run = RunCli(c.args);
            EXPECT_EQ(run.exitCode, 2) << run.err;
            EXPECT_EQ(run.err.rfind(c.line, 0), 0u) << run.err;
        }
        // A site given by its coordinates needs no index.
        EXPECT_EQ(RunCli({"--lat", "41.9", "--lon", "12.5E", "--tz", "Europe/Rome"}).exitCode, 0);
    }
    ::unsetenv("TARVEL_PLACES_INDEX");
    std::remove(damaged.c_str());
}

TEST(CliPlacesProgramTest, TableRowsFollowTheZonesClock) {
    const ProgramRun run =
        RunCli({"table", "--place", "Rome", "--date", "2024-03-31", "--time", "00:00", "--step",
                "1", "--unit", "hours", "--points", "4", "--format", "csv", "--columns", "all"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* time : {"00:00:00", "01:00:00", "03:00:00", "04:00:00"}) {
        EXPECT_NE(run.out.find(time), std::string::npos) << time << "\n" << run.out.substr(0, 600);
    }
    EXPECT_EQ(run.out.find("02:00:00,"), std::string::npos);
}

}  // namespace
}  // namespace tarvel
