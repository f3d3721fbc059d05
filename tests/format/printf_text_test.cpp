// Numbers are written with "." whatever the C locale's decimal point.
#include "format/printf_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "format/format_texts.h"
#include "format/sexagesimal.h"

namespace tarvel {
namespace {

TEST(PrintfTextTest, WithDecimalPointReplacesTheLocalePoint) {
    const struct {
        const char* text;
        const char* localePoint;
        const char* expected;
    } cases[] = {
        {"12.5", ".", "12.5"},
        {"12,5", ",", "12.5"},
        {" 18:45:06,8 (+18,751892)", ",", " 18:45:06.8 (+18.751892)"},
        {"2451545\xD9\xAB"
         "00000000",
         "\xD9\xAB", "2451545.00000000"},  // a two-byte decimal point (U+066B)
        {"12.5", "", "12.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithDecimalPoint(c.text, c.localePoint), std::string(c.expected))
            << "WithDecimalPoint(\"" << c.text << "\", \"" << c.localePoint << "\")";
    }
}

TEST(PrintfTextTest, PrintsLikeSnprintf) {
    EXPECT_EQ(PrintfText("%04.1lf", 5.25), "05.2");
    EXPECT_EQ(PrintfText("%04.1lf", 59.96), "60.0");
    EXPECT_EQ(PrintfText("%+2.6f", 0.5), "+0.500000");
    // Longer than the first-pass buffer.
    EXPECT_EQ(PrintfText("%.150f", 1.0), "1." + std::string(150, '0'));
}

// Under a C locale whose decimal point is a comma (as a host application may set
// from the user's environment), the texts keep "." and the split still carries
// seconds that print as 60.0. Skipped where no such locale is installed.
TEST(PrintfTextTest, CommaLocaleKeepsThePoint) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* candidates[] = {"it_IT.UTF-8", "it_IT.utf8", "de_DE.UTF-8", "de_DE.utf8",
                                "fr_FR.UTF-8", "fr_FR.utf8", "pt_BR.UTF-8", "pt_BR.utf8"};
    const char* chosen = nullptr;
    for (const char* name : candidates) {
        if (std::setlocale(LC_ALL, name) != nullptr &&
            std::string(std::localeconv()->decimal_point) == ",") {
            chosen = name;
            break;
        }
    }
    if (chosen == nullptr) {
        std::setlocale(LC_ALL, previous.c_str());
        GTEST_SKIP() << "no locale with a comma decimal point is installed";
    }

    const SexagesimalParts carried = SplitDegrees(10.999991);
    const std::string rightAscension = FormatRightAscension(18.7518923);
    const std::string julianDay = FormatJulianDay(2451545.0);
    std::setlocale(LC_ALL, previous.c_str());

    EXPECT_EQ(carried.whole, 11) << "SplitDegrees(10.999991) under " << chosen;
    EXPECT_EQ(carried.minutes, 0) << "SplitDegrees(10.999991) under " << chosen;
    EXPECT_EQ(carried.seconds, 0.0) << "SplitDegrees(10.999991) under " << chosen;
    EXPECT_EQ(rightAscension, " 18:45:06.8 (+18.751892)") << "under " << chosen;
    EXPECT_EQ(julianDay, "2451545.00000000") << "under " << chosen;
}

}  // namespace
}  // namespace tarvel
