// Centring, cutting and the decimal separator, counted in characters.
#include "table/text_cells.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel {
namespace {

TEST(TextCellsTest, CenterInField) {
    const struct {
        const char* text;
        std::size_t width;
        const char* expected;
    } cases[] = {
        {"data", 13, "    data     "},  // odd difference: the extra blank to the right
        {"ora", 13, "     ora     "},
        {" ", 13, "             "},  // a (blank) heading is a field of blanks
        {"[hh:mm:ss]", 13, " [hh:mm:ss]  "},
        {"ascensione retta", 13, "ascensione re"},  // longer: the first 13 characters
        {"1234567890123", 13, "1234567890123"},     // exactly the width
        {"", 4, "    "},
        // The degree sign is one character of two bytes: 12 characters, one blank added.
        {" 45°30'00.0\"", 13, " 45°30'00.0\" "},
        {"-123°30'00.0\"", 13, "-123°30'00.0\""},
        // Cut after 5 characters, not after 5 bytes (the degree sign is not split).
        {"ab°cdef", 5, "ab°cd"},
        {"abcd°ef", 5, "abcd°"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CenterInField(c.text, c.width), std::string(c.expected))
            << "CenterInField(\"" << c.text << "\", " << c.width << ")";
    }
}

TEST(TextCellsTest, CountCharacters) {
    EXPECT_EQ(CountCharacters("abc"), 3u);
    EXPECT_EQ(CountCharacters("°"), 1u);
    EXPECT_EQ(CountCharacters("[gg°mm'ss\"]"), 11u);
    EXPECT_EQ(CountCharacters("UTC-11 (BEST \xE2\x80\x93 Bering)"), 22u);  // en dash
    EXPECT_EQ(CountCharacters(""), 0u);
}

TEST(TextCellsTest, LocalizeDecimalPoint) {
    const struct {
        const char* text;
        const char* separator;
        const char* expected;
    } cases[] = {
        {"12:00:00.00", ",", "12:00:00,00"},
        {"09.12.2026", ",", "09,12,2026"},  // every ".", a date's included
        {"12:00:00.00", ".", "12:00:00.00"},
        {"12:00:00.00", "", "12:00:00.00"},
        {"-33.5000000", "\xD9\xAB",
         "-33\xD9\xAB"
         "5000000"},           // a two-byte separator (U+066B)
        {"1.5", ",x", "1,5"},  // only the first character counts
        {"no point", ",", "no point"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LocalizeDecimalPoint(c.text, c.separator), std::string(c.expected))
            << "LocalizeDecimalPoint(\"" << c.text << "\", \"" << c.separator << "\")";
    }
}

TEST(TextCellsTest, IsValidUtf8) {
    EXPECT_TRUE(IsValidUtf8("plain"));
    EXPECT_TRUE(IsValidUtf8("45°"));
    EXPECT_FALSE(IsValidUtf8("45\xB0"));        // Windows-1252 degree sign
    EXPECT_FALSE(IsValidUtf8("\xC2"));          // truncated
    EXPECT_FALSE(IsValidUtf8("\xC0\xB0"));      // overlong
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));  // surrogate
}

}  // namespace
}  // namespace tarvel
