// Latitudes and longitudes as people type them: degrees, minutes, seconds,
// a sign or a side's word; refused where the parts contradict each other.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "format/number_text.h"

namespace tarvel {
namespace {

const HemisphereWords kLatitude{{"N", "NORD", "NORTH"}, {"S", "SUD", "SOUTH"}, {"E", "W", "O"}};
const HemisphereWords kLongitudeEast{{"E", "EST", "EAST"}, {"W", "O", "OVEST"}, {"N", "S"}};

struct Case {
    const char* text;
    const HemisphereWords* words;
    AngleTextStyle style;
    std::optional<double> value;
};

TEST(SiteAngleTest, PartsSignsAndWords) {
    constexpr auto F = AngleTextStyle::Field;
    constexpr auto A = AngleTextStyle::Argument;
    const Case cases[] = {
        // Degrees, minutes and seconds with or without their marks.
        {"41°54'N", &kLatitude, F, 41.9},
        {"41 54 30 N", &kLatitude, F, 41.0 + 54.0 / 60 + 30.0 / 3600},
        {"41°54′30″", &kLatitude, F, 41.0 + 54.0 / 60 + 30.0 / 3600},
        {"41°54.5'", &kLatitude, F, 41.0 + 54.5 / 60},
        {"41,9 n", &kLatitude, F, 41.9},
        // The side's word gives the sign, in any letter case and language.
        {"12.5S", &kLatitude, A, -12.5},
        {"12.5E", &kLongitudeEast, A, 12.5},
        {"12°29'O", &kLongitudeEast, F, -(12.0 + 29.0 / 60)},
        {"12 29 ovest", &kLongitudeEast, F, -(12.0 + 29.0 / 60)},
        // A plain number keeps its sign.
        {"-12.5", &kLatitude, A, -12.5},
        {"+7", &kLongitudeEast, A, 7.0},
        // Contradictions and impossible parts give nothing.
        {"-12.5N", &kLatitude, F, std::nullopt},
        {"41 60", &kLatitude, F, std::nullopt},
        {"41 59 60", &kLatitude, F, std::nullopt},
        {"41.5 30", &kLatitude, F, std::nullopt},
        {"12.5N", &kLongitudeEast, F, std::nullopt},
        {"41.9E", &kLatitude, F, std::nullopt},
        // An argument is the whole text, without blanks or commas.
        {"41 54 N", &kLatitude, A, std::nullopt},
        {"41,9", &kLatitude, A, std::nullopt},
        {"41.9X", &kLatitude, A, std::nullopt},
        {"", &kLatitude, A, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> read = ReadSiteAngle(c.text, *c.words, c.style);
        ASSERT_EQ(read.has_value(), c.value.has_value());
        if (c.value) {
            EXPECT_NEAR(*read, *c.value, 1e-12);
        }
    }
}

// In a window's field a number followed by other text keeps the leading
// number's reading, as every field of the form does.
TEST(SiteAngleTest, FieldKeepsTheLeadingNumberBeforeOtherText) {
    EXPECT_EQ(ReadSiteAngle("45 abc", kLatitude, AngleTextStyle::Field), 45.0);
    EXPECT_EQ(ReadSiteAngle("45 abc", kLatitude, AngleTextStyle::Argument), std::nullopt);
}

}  // namespace
}  // namespace tarvel
