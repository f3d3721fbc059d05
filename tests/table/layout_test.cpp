// The table text: title lines, heading lines and the cells of every column.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "table/table_columns.h"
#include "table/table_layout.h"
#include "table/text_cells.h"
#include "table_test_support.h"

namespace tarvel {
namespace {

using table_test::Lines;
using table_test::PlainRow;

TableOptions AllColumns(bool decimalAngles, bool decimalHours) {
    TableOptions options;
    SetAllColumnFlags(options, true);
    options.decimalAngles = decimalAngles;
    options.decimalHours = decimalHours;
    return options;
}

TableOptions Formats(bool decimalAngles, bool decimalHours) {
    TableOptions options;
    options.decimalAngles = decimalAngles;
    options.decimalHours = decimalHours;
    return options;
}

TableLocale Comma(const char* datePattern = "%d/%m/%Y") {
    TableLocale locale;
    locale.decimalSeparator = ",";
    locale.shortDatePattern = datePattern;
    return locale;
}

TEST(LayoutTest, TheTwoFixedColumnsAlone) {
    TableParameters p;  // latitude 45, longitude -8, height 0, UTC+0, no summer time
    const TableTextWriter writer(TableOptions(), TableTarget::Window);
    const std::string text = writer.Text(p, {PlainRow(), PlainRow({2025, 12, 9, 13, 5, 7.25})});
    const std::vector<std::string> expected = {
        "latitudine = 45°00'00.0\" nord",
        "longitudine = 08°00'00.0\" est",
        "altitudine =     0.0 m",
        "fuso = +00:00:00",
        "Ora Estiva = no",
        "",
        "    data     |     ora     |",
        "             |             |",
        "             |             |",
        "             | [hh:mm:ss]  |",
        " 09/12/2025  | 12:00:00.00 |",
        " 09/12/2025  | 13:05:07.25 |",
    };
    EXPECT_EQ(Lines(text), expected);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n', 0), text.find("\r\n") + 1);  // no bare LF anywhere
    EXPECT_EQ(Lines(writer.HeadingLines())[3], "             | [hh:mm:ss]  |");
    EXPECT_EQ(Lines(TableTextWriter(Formats(false, true), TableTarget::Window).HeadingLines())[3],
              "             |     [h]     |");
}

TEST(LayoutTest, EveryCellIsCentredInItsWidth) {
    // All columns, both formats: every heading and row line has the same cell
    // boundaries, counted in characters.
    for (const bool decimal : {false, true}) {
        const TableOptions options = AllColumns(decimal, decimal);
        const TableTextWriter writer(options, TableTarget::Window);
        std::vector<std::string> lines = Lines(writer.HeadingLines());
        lines.push_back(Lines(writer.RowLine(PlainRow(), 45.0))[0]);
        std::vector<std::size_t> bars;
        std::size_t position = 0;
        for (const TableColumn* column : SelectedTableColumns(options)) {
            position += static_cast<std::size_t>(column->width) + 1;
            bars.push_back(position);
        }
        ASSERT_EQ(bars.size(), 47u);
        for (const std::string& line : lines) {
            std::vector<std::size_t> found;
            std::size_t characters = 0;
            for (std::size_t i = 0; i < line.size(); ++i) {
                if ((static_cast<unsigned char>(line[i]) & 0xC0u) != 0x80u) {
                    ++characters;
                }
                if (line[i] == '|') {
                    found.push_back(characters);
                }
            }
            EXPECT_EQ(found, bars) << "decimal " << decimal << ", line: " << line;
        }
    }
}

TEST(LayoutTest, LongHeadingIsCut) {
    TableOptions options;
    options.showRightAscension = true;
    const std::vector<std::string> lines =
        Lines(TableTextWriter(options, TableTarget::Window).HeadingLines());
    EXPECT_EQ(lines[0], "    data     |     ora     |ascensione re|");
    EXPECT_EQ(lines[1], "             |             | geocentrica |");
    EXPECT_EQ(lines[3], "             | [hh:mm:ss]  | [hh:mm:ss]  |");
}

TEST(LayoutTest, HeadingsOfEachColumn) {
    // Heading lines 1 to 4 of single columns, sexagesimal and decimal units.
    const struct {
        bool TableOptions::*flag;
        std::vector<std::string> sexagesimal;  // the cells after "data" and "ora"
        std::vector<std::string> decimal;
    } cases[] = {
        {&TableOptions::showJulianDay,
         {"        JD        |", "                  |", "                  |",
          "                  |"},
         {"        JD        |", "                  |", "                  |",
          "                  |"}},
        {&TableOptions::showAltitude,
         {"   altezza   |rifrazione|   altezza   |", "             |          |  apparente  |",
          "             |          |             |", " [gg°mm'ss\"] | [mm'ss\"] | [gg°mm'ss\"] |"},
         {"   altezza   |rifrazione|   altezza   |", "             |          |  apparente  |",
          "             |          |             |", "     [g]     |   [']    |     [g]     |"}},
        {&TableOptions::showDeltaT,
         {" deltaT |", "        |", "        |", "  [s]   |"},
         {" deltaT |", "        |", "        |", "  [s]   |"}},
        {&TableOptions::showEquationOfTime,
         {"     EdT     |", "             |", "             |", " [hh:mm:ss]  |"},
         {"     EdT     |", "             |", "             |", "     [s]     |"}},
        {&TableOptions::showLongitudeDifference,
         {" differenza  |", "     di      |", " longitudine |", " [hh:mm:ss]  |"},
         {" differenza  |", "     di      |", " longitudine |", "     [h]     |"}},
        {&TableOptions::showQibla,
         {"       Qibla       |", "                   |", "                   |",
          "    [gg°mm'ss\"]    |"},
         {"       Qibla       |", "                   |", "                   |",
          "        [g]        |"}},
        {&TableOptions::showApparentAzAlt,
         {" azimut del  | altezza del | azimut del  |",
          "   sorgere   |  transito   |  tramonto   |",
          " (apparente) | (apparente) | (apparente) |",
          " [gg°mm'ss\"] | [gg°mm'ss\"] | [gg°mm'ss\"] |"},
         {" azimut del  | altezza del | azimut del  |",
          "   sorgere   |  transito   |  tramonto   |",
          " (apparente) | (apparente) | (apparente) |",
          "     [g]     |     [g]     |     [g]     |"}},
    };
    const std::size_t fixed = std::string("    data     |     ora     |").size();
    for (const auto& c : cases) {
        for (const bool decimal : {false, true}) {
            TableOptions options = Formats(decimal, decimal);
            options.*c.flag = true;
            const std::vector<std::string> lines =
                Lines(TableTextWriter(options, TableTarget::Window).HeadingLines());
            ASSERT_EQ(lines.size(), 4u);
            for (std::size_t i = 0; i < 4; ++i) {
                const std::string& expected = decimal ? c.decimal[i] : c.sexagesimal[i];
                EXPECT_EQ(lines[i].substr(fixed), expected)
                    << "HeadingLines, line " << i + 1 << ", decimal " << decimal << ", after "
                    << lines[0].substr(fixed);
            }
        }
    }
}

TEST(LayoutTest, GeometricTimesAloneAreAdjacent) {
    TableOptions options;
    options.showGeometricTimes = true;
    std::vector<int> numbers;
    for (const TableColumn* column : SelectedTableColumns(options)) {
        numbers.push_back(column->number);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 25, 27, 29, 31}));
    options.showGeometricAzAlt = true;
    options.showAltitude = true;
    numbers.clear();
    for (const TableColumn* column : SelectedTableColumns(options)) {
        numbers.push_back(column->number);
    }
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 7, 8, 9, 25, 26, 27, 28, 29, 30, 31}));
}

TEST(LayoutTest, TitleLines) {
    const struct {
        const char* name;
        double latitude;
        double longitude;
        float zone;
        bool decimalAngles;
        bool decimalHours;
        std::vector<std::string> expected;  // lines 1, 2 and 4
    } cases[] = {
        {"south, sexagesimal",
         -33.5,
         -9.19,
         -3.5f,
         false,
         false,
         {"latitudine = 33°30'00,0\" sud", "longitudine = 09°11'24,0\" est", "fuso = -03:30:00"}},
        {"south, decimal",
         -33.5,
         12.5,
         -3.5f,
         true,
         true,
         {"latitudine = -33,5000000 sud", "longitudine =  12,5000000 ovest", "fuso = -3,50"}},
        {"UTC+0",
         0.0,
         0.0,
         0.0f,
         false,
         false,
         {"latitudine = 00°00'00,0\" nord", "longitudine = 00°00'00,0\" ovest",
          "fuso = +00:00:00"}},
        {"UTC+0 decimal",
         0.0,
         0.0,
         0.0f,
         true,
         true,
         {"latitudine =   0,0000000 nord", "longitudine =   0,0000000 ovest", "fuso = +0,00"}},
        {"UTC+5:45",
         27.7,
         -85.3,
         5.75f,
         false,
         false,
         {"latitudine = 27°42'00,0\" nord", "longitudine = 85°18'00,0\" est", "fuso = +05:45:00"}},
        {"decimal angles, sexagesimal hours",
         45.1234567,
         -9.19,
         1.0f,
         true,
         false,
         {"latitudine =  45,1234567 nord", "longitudine =  -9,1900000 est", "fuso = +01:00:00"}},
    };
    for (const auto& c : cases) {
        TableParameters p;
        p.latitude = c.latitude;
        p.longitude = c.longitude;
        p.zoneHours = c.zone;
        p.height = 120;
        p.summerTime = true;
        for (const TableTarget target : {TableTarget::Window, TableTarget::File}) {
            const std::vector<std::string> lines =
                Lines(TableTextWriter(Formats(c.decimalAngles, c.decimalHours), target, Comma())
                          .TitleLines(p));
            ASSERT_EQ(lines.size(), 6u) << c.name;
            EXPECT_EQ(lines[0], c.expected[0]) << "TitleLines, case " << c.name;
            EXPECT_EQ(lines[1], c.expected[1]) << "TitleLines, case " << c.name;
            EXPECT_EQ(lines[2], "altitudine =   120,0 m") << "TitleLines, case " << c.name;
            EXPECT_EQ(lines[3], c.expected[2]) << "TitleLines, case " << c.name;
            EXPECT_EQ(lines[4], "Ora Estiva = si") << "TitleLines, case " << c.name;
            EXPECT_EQ(lines[5], "") << "TitleLines, case " << c.name;
        }
    }
}

// A prayer method other than the program's own adds a title line naming it
// with its angles, and a high-latitude rule one naming the rule of the times
// marked "*", before the empty line; the program's own method without a rule
// adds none (the five documented lines above).
TEST(LayoutTest, TitleLinesNameAChosenMethodAndRule) {
    const struct {
        PrayerMethod method;
        HighLatitudeRule rule;
        TableTarget target;
        std::vector<std::string> expected;
    } cases[] = {
        {PrayerMethod::kMuslimWorldLeague, HighLatitudeRule::kNone, TableTarget::Window,
         {"metodo delle preghiere = Muslim World League (Fajr -18°, Isha -17°)"}},
        {PrayerMethod::kUmmAlQura, HighLatitudeRule::kNone, TableTarget::Clipboard,
         {"metodo delle preghiere = \tUmm al-Qura University, Makkah (Fajr -18,5°, Isha 90 "
          "min)"}},
        {PrayerMethod::kCustom, HighLatitudeRule::kTwilightAngle, TableTarget::File,
         {"metodo delle preghiere = personalizzato (Fajr -16,5°, Isha -15°)",
          "regola per le alte latitudini = angolo/60 della notte"}},
        {PrayerMethod::kTarvel, HighLatitudeRule::kSeventhOfTheNight, TableTarget::Clipboard,
         {"regola per le alte latitudini = \tun settimo della notte"}},
        {PrayerMethod::kTarvel, HighLatitudeRule::kMiddleOfTheNight, TableTarget::Window,
         {"regola per le alte latitudini = metà della notte"}},
    };
    for (const auto& c : cases) {
        TableParameters p;
        p.prayerMethod = c.method;
        p.highLatitudeRule = c.rule;
        p.fajrAngle = -16.5;
        p.ishaAngle = -15.0;
        const std::vector<std::string> lines =
            Lines(TableTextWriter(Formats(false, false), c.target, Comma()).TitleLines(p));
        ASSERT_EQ(lines.size(), 6u + c.expected.size()) << c.expected[0];
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_EQ(lines[5 + i], c.expected[i]);
        }
        EXPECT_EQ(lines.back(), "");
    }
}

TEST(LayoutTest, WindowRowsKeepThePointWhenTheTitlesHaveAComma) {
    TableParameters p;
    p.latitude = -33.5;
    const std::string text =
        TableTextWriter(Formats(false, false), TableTarget::Window, Comma()).Text(p, {PlainRow()});
    const std::vector<std::string> lines = Lines(text);
    EXPECT_EQ(lines[0], "latitudine = 33°30'00,0\" sud");
    EXPECT_EQ(lines.back(), " 09/12/2025  | 12:00:00.00 |");
}

struct CellCase {
    const char* name;
    int column;
    void (*change)(SolarResult&);
    double latitude;
    const char* sexagesimal;
    const char* decimal;
};

void ExpectCells(const std::vector<CellCase>& cases, TableTarget target) {
    for (const CellCase& c : cases) {
        TableRow row = PlainRow();
        c.change(row.result);
        for (const bool decimal : {false, true}) {
            const TableTextWriter writer(Formats(decimal, decimal), target);
            EXPECT_EQ(writer.CellText(c.column, row, c.latitude),
                      std::string(decimal ? c.decimal : c.sexagesimal))
                << "CellText(column " << c.column << "), case " << c.name << ", decimal "
                << decimal;
        }
    }
}

TEST(LayoutTest, CellsOfEveryKind) {
    ExpectCells(
        {
            {"time", 2, [](SolarResult&) {}, 45, "12:00:00.00", " 12.0000000"},
            {"GMST", 3, [](SolarResult& r) { r.gmst = 23.999995; }, 45, "00:00:00.0",
             " 23.9999950"},
            {"LMST below 0", 4, [](SolarResult& r) { r.lmst = -0.5; }, 45, "00:30:00.0",
             " -0.5000000"},
            {"JD", 5, [](SolarResult&) {}, 45, "2461018.50000000", "2461018.50000000"},
            {"azimuth -0.5", 6, [](SolarResult& r) { r.azimuth = -0.5; }, 45, "-00°30'00.0\"",
             " -0.5000000"},
            {"azimuth 123.5", 6, [](SolarResult& r) { r.azimuth = 123.5; }, 45, " 123°30'00.0\"",
             "123.5000000"},
            {"altitude -0.0001", 7, [](SolarResult& r) { r.altitude = -0.0001; }, 45,
             "-00°00'00.4\"", " -0.0001000"},
            {"refraction", 8, [](SolarResult& r) { r.refraction = 0.5; }, 45, " 30'00.0\"",
             "30.0000"},
            {"refraction below the horizon", 8,
             [](SolarResult& r) {
                 r.refraction = 0.5;
                 r.refractedAltitude = -1.0;
             },
             45, " 00'00.0\"", "0.0000"},
            {"refraction at the horizon", 8,
             [](SolarResult& r) {
                 r.refraction = 0.5;
                 r.refractedAltitude = 0.0;
             },
             45, " 30'00.0\"", "30.0000"},
            {"deltaT", 10, [](SolarResult&) {}, 45, "69.2", "69.2"},
            {"EdT -200", 11, [](SolarResult& r) { r.equationOfTime = -200; }, 45, "-00:03:20.00",
             "-200.00"},
            {"EdT 5.25", 11, [](SolarResult& r) { r.equationOfTime = 5.25; }, 45, " 00:00:05.25",
             "  5.25"},
            {"EdT 59.997 (no carry)", 11, [](SolarResult& r) { r.equationOfTime = 59.997; }, 45,
             " 00:00:60.00", " 60.00"},
            {"longitude difference 2.5", 12, [](SolarResult& r) { r.longitudeDifference = 2.5; },
             45, "-00:10:00.00", " -0.1666667"},
            {"longitude difference -2.5", 12, [](SolarResult& r) { r.longitudeDifference = -2.5; },
             45, " 00:10:00.00", "  0.1666667"},
            {"mean local time below 0", 13, [](SolarResult& r) { r.meanLocalTime = -0.25; }, 45,
             "00:15:00.00", " -0.2500000"},
            {"true zone time", 14, [](SolarResult&) {}, 45, " 12:15:00.00", " 12.2500000"},
            {"true local time", 15, [](SolarResult&) {}, 45, " 12:45:00.00", " 12.7500000"},
            {"ecliptic latitude", 16, [](SolarResult&) {}, 45, "-00°00'00.4\"", " -0.0001000"},
            {"right ascension", 18, [](SolarResult&) {}, 45, "17:07:30.0", " 17.1250000"},
            {"topocentric right ascension", 20,
             [](SolarResult& r) { r.topoRightAscension = 17.125; }, 45, " 17:07:30.0",
             " 17.1250000"},
            {"topocentric right ascension below 0", 20,
             [](SolarResult& r) { r.topoRightAscension = -0.125; }, 45, "-00:07:30.0",
             " -0.1250000"},
            {"italian hours", 22, [](SolarResult&) {}, 45, " 18:30:00.0", " 18.5000000"},
            {"temporal hours", 24, [](SolarResult&) {}, 45, " 06:00:00.0", "  6.0000000"},
            {"temporal hours at 70", 24, [](SolarResult&) {}, 70, " 00:00:00.0", "  0.0000000"},
            {"temporal hours at -66.55", 24, [](SolarResult&) {}, -66.55, " 00:00:00.0",
             "  0.0000000"},
            {"temporal hours missing", 24, [](SolarResult& r) { r.temporalHours = std::nan(""); },
             45, " 00:00:00.0", "  0.0000000"},
            {"apparent transit altitude", 36, [](SolarResult&) {}, 45, " 22°02'24.0\"",
             " 22.0400000"},
            {"Zuhr is the transit", 41, [](SolarResult&) {}, 45, " 11:45:00.0", " 11.7500000"},
            {"Maghrib is the geometric set", 44, [](SolarResult&) {}, 45, " 16:30:00.0",
             " 16.5000000"},
            {"Qibla east", 46, [](SolarResult&) {}, 45, " 43°30'00.0\" est", "-43.5000000"},
            {"Qibla west", 46, [](SolarResult& r) { r.qiblaAzimuth = -120.25; }, 45,
             " 120°15'00.0\" ovest", "120.2500000"},
            {"Qibla time", 47, [](SolarResult&) {}, 45, " 09:30:00.0", "  9.5000000"},
            {"no Qibla time", 47, [](SolarResult& r) { r.qiblaTime = -1; }, 45, "--:--:---",
             "--.------"},
        },
        TableTarget::Window);
}

TEST(LayoutTest, CellsThatDifferByTarget) {
    ExpectCells({{"no Qibla time", 47, [](SolarResult& r) { r.qiblaTime = -1; }, 45, " --:--:---",
                  "--.------"}},
                TableTarget::File);
    ExpectCells({{"no Qibla time", 47, [](SolarResult& r) { r.qiblaTime = -1; }, 45, " --:--:---",
                  "--.-----"},
                 {"time", 2, [](SolarResult&) {}, 45, "12:00:00.00", "12.000000"},
                 {"GMST", 3, [](SolarResult&) {}, 45, "05:30:00.0", " 5.500000"},
                 {"LMST", 4, [](SolarResult&) {}, 45, "06:15:00.0", " 6.250000"},
                 {"right ascension keeps %11.7lf", 18, [](SolarResult&) {}, 45, "17:07:30.0",
                  " 17.1250000"}},
                TableTarget::Clipboard);
}

TEST(LayoutTest, DateCellFollowsTheLocalePattern) {
    const struct {
        const char* pattern;
        ClockInstant instant;
        const char* expected;
    } cases[] = {
        {"%d/%m/%Y", {2026, 12, 9, 12, 0, 0}, "09/12/2026"},
        {"%d.%m.%Y", {2026, 12, 9, 12, 0, 0}, "09.12.2026"},
        {"%m/%d/%y", {2026, 12, 9, 12, 0, 0}, "12/09/26"},
        {"%d/%m/%Y", {2025, 4, 31, 12, 0, 0}, "01/05/2025"},   // a day April lacks
        {"%d/%m/%Y", {2025, 2, 29, 12, 0, 0}, "01/03/2025"},   // not a leap year
        {"%d/%m/%Y", {12026, 1, 5, 12, 0, 0}, "05/01/12026"},  // past 9999
    };
    for (const auto& c : cases) {
        TableLocale locale;
        locale.shortDatePattern = c.pattern;
        const TableTextWriter writer(TableOptions(), TableTarget::Window, locale);
        EXPECT_EQ(writer.CellText(1, PlainRow(c.instant), 45), std::string(c.expected))
            << "date cell, pattern " << c.pattern;
    }
}

// A caller (a window with its own locale) passes its date writer and
// separator; the writer gets the row's real calendar date.
TEST(LayoutTest, DateWriterOfTheCaller) {
    TableLocale locale;
    locale.decimalSeparator = ",";
    locale.formatDate = [](int year, int month, int day) {
        return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
    };
    TableParameters p;
    const std::vector<TableRow> rows = {PlainRow({2025, 4, 31, 12, 0, 0})};  // 1 May
    const std::vector<std::string> window =
        Lines(TableTextWriter(Formats(false, true), TableTarget::Window, locale).Text(p, rows));
    EXPECT_EQ(window.back(), "  1.5.2025   |  12.0000000 |");
    const std::vector<std::string> file =
        Lines(TableTextWriter(Formats(false, true), TableTarget::File, locale).Text(p, rows));
    EXPECT_EQ(file.back(), "  1,5,2025   |  12,0000000 |");
}

TEST(LayoutTest, TargetsWithACommaSeparator) {
    TableParameters p;
    p.latitude = 45.1234567;
    p.longitude = -9.19;
    p.height = 120;
    p.zoneHours = 1;
    const std::vector<TableRow> rows = {PlainRow({2026, 12, 9, 12, 0, 0})};
    const TableLocale locale = Comma("%d.%m.%Y");

    const std::vector<std::string> window =
        Lines(TableTextWriter(Formats(true, false), TableTarget::Window, locale).Text(p, rows));
    EXPECT_EQ(window[0], "latitudine =  45,1234567 nord");
    EXPECT_EQ(window.back(), " 09.12.2026  | 12:00:00.00 |");

    const std::vector<std::string> file =
        Lines(TableTextWriter(Formats(true, false), TableTarget::File, locale).Text(p, rows));
    EXPECT_EQ(file[0], "latitudine =  45,1234567 nord");
    EXPECT_EQ(file[6], "    data     |     ora     |");
    EXPECT_EQ(file.back(), " 09,12,2026  | 12:00:00,00 |");

    const std::string clipboardText =
        TableTextWriter(Formats(false, false), TableTarget::Clipboard, locale).Text(p, rows);
    const std::vector<std::string> expected = {
        "latitudine = \t 45,1234567\tnord",
        "longitudine = \t -9,1900000\test",
        "altitudine = \t  120,0\tm",
        "fuso = \t+1,00",
        "Ora Estiva = \tno",
        "",
        "data\tora\t",
        " \t \t",
        " \t \t",
        " \t[h]\t",
        "09,12,2026\t12:00:00,00\t",
    };
    EXPECT_EQ(Lines(clipboardText), expected);
    EXPECT_EQ(clipboardText.find('|'), std::string::npos);
    // Every line, rows included, ends with CR LF; no lone CR.
    for (std::size_t i = 0; i < clipboardText.size(); ++i) {
        if (clipboardText[i] == '\r') {
            ASSERT_LT(i + 1, clipboardText.size());
            EXPECT_EQ(clipboardText[i + 1], '\n') << "lone CR at byte " << i;
        }
    }
}

TEST(LayoutTest, ClipboardUnitsAreAlwaysDecimal) {
    const TableOptions options = AllColumns(false, false);
    const std::vector<std::string> lines =
        Lines(TableTextWriter(options, TableTarget::Clipboard).HeadingLines());
    ASSERT_EQ(lines.size(), 4u);
    std::string expected;
    for (const TableColumn* column : SelectedTableColumns(options)) {
        switch (column->unit) {
            case TableUnitKind::Blank:
                expected += " \t";
                break;
            case TableUnitKind::Hours:
                expected += "[h]\t";
                break;
            case TableUnitKind::Angle:
                expected += "[g]\t";
                break;
            case TableUnitKind::Seconds:
                expected += "[s]\t";
                break;
            case TableUnitKind::EquationOfTime:
                expected += "[s]\t";
                break;
            case TableUnitKind::Refraction:
                expected += "[g]\t";
                break;
        }
    }
    EXPECT_EQ(lines[3], expected);
    EXPECT_EQ(lines[0].rfind("data\tora\tGMST\tLMST\tJD\tazimut\taltezza\trifrazione\taltezza\t"
                             "deltaT\tEdT\tdifferenza\ttempo medio\t",
                             0),
              0u)
        << lines[0];
    // Headings are neither padded nor cut.
    EXPECT_NE(lines[0].find("\tascensione retta\t"), std::string::npos);
    // The cells follow the format choices.
    const std::string row =
        TableTextWriter(options, TableTarget::Clipboard).RowLine(PlainRow(), 45.0);
    EXPECT_EQ(row.rfind("09/12/2025\t12:00:00.00\t05:30:00.0\t06:15:00.0\t2461018.50000000\t"
                        "-00°30'00.0\"\t 21°30'00.0\"\t 02'24.0\"\t 21°32'24.0\"\t69.2\t",
                        0),
              0u)
        << row;
}

TEST(LayoutTest, ErrorCaptions) {
    EXPECT_STREQ(TableErrorCaption(TableTarget::Window), "OnBnClickedCompute()");
    EXPECT_STREQ(TableErrorCaption(TableTarget::File), "ComputeSolarParameters");
    EXPECT_STREQ(TableErrorCaption(TableTarget::Clipboard), "ComputeSolarParameters");
}

TEST(LayoutTest, RowThatFailedHoldsNoCells) {
    TableRow failed = PlainRow();
    failed.computed = false;
    failed.error = "errore di prova";
    for (const TableTarget target :
         {TableTarget::Window, TableTarget::File, TableTarget::Clipboard}) {
        std::string error;
        const std::string line =
            TableTextWriter(AllColumns(false, false), target).RowLine(failed, 45.0, &error);
        EXPECT_EQ(line, "\r\n");
        EXPECT_EQ(error, "errore di prova");
    }
}

}  // namespace
}  // namespace tarvel
