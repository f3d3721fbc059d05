// The places subcommand for scripts (--json) and its text listing's columns.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "cli/cli_output.h"
#include "format/printf_text.h"
#include "run_program.h"

namespace tarvel {
namespace {

using testing::ProgramRun;
using testing::RunCli;

TEST(CliPlacesJson, ArrayOfPlacesWithLongitudeEast) {
    const ProgramRun run = RunCli({"places", "sao paulo", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const nlohmann::json json = nlohmann::json::parse(run.out);
    ASSERT_TRUE(json.is_array());
    ASSERT_FALSE(json.empty());
    const nlohmann::json& first = json.front();
    EXPECT_EQ(first["name"], "São Paulo");
    EXPECT_EQ(first["country"], "Brazil");
    EXPECT_EQ(first["timeZone"], "America/Sao_Paulo");
    EXPECT_NEAR(first["latitude"].get<double>(), -23.55, 0.01);
    EXPECT_NEAR(first["longitude"].get<double>(), -46.64, 0.01);  // west: negative
    EXPECT_GT(first["population"].get<long>(), 10000000);
    for (const nlohmann::json& place : json) {
        for (const char* key :
             {"name", "region", "country", "latitude", "longitude", "timeZone", "population"}) {
            EXPECT_TRUE(place.contains(key)) << key << " in " << place.dump();
        }
    }
    const ProgramRun rome = RunCli({"places", "Rome, Italy", "--json"});
    ASSERT_EQ(rome.exitCode, 0) << rome.err;
    EXPECT_NEAR(nlohmann::json::parse(rome.out).front()["longitude"].get<double>(), 12.51, 0.01);
}

// The label's column is counted in characters: the latitude begins in the
// 52nd character of every line, whatever the label's letters or length.
TEST(CliPlacesJson, TextColumnsStayInLine) {
    Place plain{"Rome", "Lazio", "Italy", "Europe/Rome", 41.89, 12.51, 2318895};
    Place accents{"São Paulo", "", "Brazil", "America/Sao_Paulo", -23.55, -46.64, 10021295};
    Place longName{"Ciudad Nezahualcóyotl de los Ángeles del Valle", "México", "Mexico",
                   "America/Mexico_City", 19.4, -99.0, 1};
    const struct {
        const Place* place;
        const char* label;  // the column as written, without its padding
    } cases[] = {
        {&plain, "Rome, Lazio, Italy"},
        {&accents, "São Paulo, Brazil"},
        {&longName, "Ciudad Nezahualcóyotl de los Ángeles del Valle, M…"},
    };
    for (const auto& c : cases) {
        const std::string line = PlacesReport({*c.place});
        EXPECT_EQ(line.rfind(c.label, 0), 0u) << line;
        std::size_t characters = 0, at = 0;
        for (; at < line.size() && characters < kPlaceLabelColumn; ++at) {
            if ((static_cast<unsigned char>(line[at]) & 0xC0) != 0x80) ++characters;
        }
        while (at < line.size() && (static_cast<unsigned char>(line[at]) & 0xC0) == 0x80) ++at;
        EXPECT_EQ(line.substr(at, 10), PrintfText(" %9.4f", c.place->latitude)) << line;
    }
}

}  // namespace
}  // namespace tarvel
