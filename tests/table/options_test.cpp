// The column flags, their option names and the parser of option lists.
#include <gtest/gtest.h>

#include <string>

#include "table/table_options.h"

namespace tarvel {
namespace {

TEST(OptionsTest, DefaultsAreAllFalse) {
    const TableOptions options;
    for (const TableColumnOption& option : kTableColumnOptions) {
        EXPECT_FALSE(options.*option.flag) << option.name;
    }
    EXPECT_FALSE(options.decimalAngles);
    EXPECT_FALSE(options.decimalHours);
    EXPECT_EQ(sizeof(TableOptions), 35u);  // 35 flags, in one byte each
}

TEST(OptionsTest, OptionNamesFollowTheFieldNames) {
    // Each option name is its field's name without "show", first letter lower.
    const char* fields[] = {"showDeltaT",
                            "showGmst",
                            "showLmst",
                            "showJulianDay",
                            "showEquationOfTime",
                            "showLongitudeDifference",
                            "showMeanLocalTime",
                            "showTrueZoneTime",
                            "showTrueLocalTime",
                            "showItalianHours",
                            "showBabylonianHours",
                            "showTemporalHours",
                            "showEclipticLatitude",
                            "showEclipticLongitude",
                            "showRightAscension",
                            "showDeclination",
                            "showTopoRightAscension",
                            "showTopoDeclination",
                            "showGeometricTimes",
                            "showGeometricAzAlt",
                            "showGeometricDaylight",
                            "showApparentTimes",
                            "showApparentAzAlt",
                            "showApparentDaylight",
                            "showAzimuth",
                            "showAltitude",
                            "showFajr",
                            "showZuhr",
                            "showAsr",
                            "showMaghrib",
                            "showIsha",
                            "showQibla",
                            "showQiblaTime"};
    ASSERT_EQ(std::size(fields), kTableColumnOptions.size());
    for (std::size_t i = 0; i < kTableColumnOptions.size(); ++i) {
        std::string expected = std::string(fields[i]).substr(4);
        expected[0] = static_cast<char>(expected[0] - 'A' + 'a');
        EXPECT_EQ(kTableColumnOptions[i].name, expected) << "option " << i;
        // The flag is the field at position i of the record.
        TableOptions options;
        options.*kTableColumnOptions[i].flag = true;
        EXPECT_EQ(reinterpret_cast<const bool*>(&options)[i], true) << fields[i];
    }
}

TEST(OptionsTest, SelectAllKeepsTheFormats) {
    TableOptions options;
    options.decimalAngles = true;
    SetAllColumnFlags(options, true);
    EXPECT_TRUE(options.showQiblaTime && options.showDeltaT && options.showApparentAzAlt);
    EXPECT_TRUE(options.decimalAngles);
    EXPECT_FALSE(options.decimalHours);
    SetAllColumnFlags(options, false);
    EXPECT_EQ(ColumnOptionList(options), "");
    EXPECT_TRUE(options.decimalAngles);
}

TEST(OptionsTest, ParseColumnOptionList) {
    const struct {
        const char* list;
        bool ok;
        const char* selected;  // ColumnOptionList after a successful parse
    } cases[] = {
        {"all", true, nullptr},
        {" ALL ", true, nullptr},
        {"deltaT,gmst", true, "deltaT,gmst"},
        {"qiblaTime, deltaT , JULIANDAY", true, "deltaT,julianDay,qiblaTime"},
        {"", true, ""},
        {"gmst,,lmst", false, nullptr},
        {"gmst,", false, nullptr},
        {"gmst,sunspots", false, nullptr},
        // "all" in a list: every column, with the others named.
        {"all,gmst", true, nullptr},
        {"gmst, ALL", true, nullptr},
        {"all,sunspots", false, nullptr},
    };
    TableOptions every;
    SetAllColumnFlags(every, true);
    for (const auto& c : cases) {
        TableOptions options;
        options.showFajr = true;
        options.decimalHours = true;
        const TableOptions before = options;
        const ColumnOptionParse parse = ParseColumnOptionList(c.list, options);
        EXPECT_EQ(parse.ok, c.ok) << "ParseColumnOptionList(\"" << c.list << "\"): " << parse.error;
        if (!c.ok) {
            EXPECT_EQ(options, before) << "ParseColumnOptionList(\"" << c.list << "\")";
            EXPECT_FALSE(parse.error.empty());
            continue;
        }
        EXPECT_TRUE(options.decimalHours) << c.list;
        EXPECT_EQ(ColumnOptionList(options),
                  c.selected != nullptr ? std::string(c.selected) : ColumnOptionList(every))
            << "ParseColumnOptionList(\"" << c.list << "\")";
    }
    TableOptions options;
    const ColumnOptionParse parse = ParseColumnOptionList("sunspots", options);
    EXPECT_NE(parse.error.find("\"sunspots\""), std::string::npos) << parse.error;
}

}  // namespace
}  // namespace tarvel
