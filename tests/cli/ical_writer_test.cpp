// The iCalendar writer against RFC 5545's rules: TEXT escaping, line folding
// at 75 octets without cutting a UTF-8 sequence, UTC date-times.
#include "cli/ical_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvel {
namespace {

TEST(IcalWriter, TextEscaping) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"Rome, Lazio, Italy", "Rome\\, Lazio\\, Italy"},
        {"a;b\\c", "a\\;b\\\\c"},
        {"one\ntwo\r\nthree", "one\\ntwo\\nthree"},
        {"São Paulo: 06:12", "São Paulo: 06:12"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IcalEscapedText(c.text), c.escaped) << "IcalEscapedText(\"" << c.text << "\")";
    }
}

TEST(IcalWriter, FoldingAt75Octets) {
    const std::string a75(75, 'a');
    const std::string a74(74, 'a');
    const std::string e2 = "\xC3\xA9";  // é, two octets
    const struct {
        const char* name;
        std::string line;
        std::string folded;
    } cases[] = {
        {"short", "SUMMARY:Fajr", "SUMMARY:Fajr\r\n"},
        {"75 octets stay whole", a75, a75 + "\r\n"},
        {"76 octets", a75 + "b", a75 + "\r\n b\r\n"},
        {"continuations hold 74 octets after the blank", a75 + a74 + "c",
         a75 + "\r\n " + a74 + "\r\n c\r\n"},
        // é at octets 75-76 would straddle the fold: it moves whole to the next line.
        {"a two-octet character at the fold", a74 + e2 + "x", a74 + "\r\n " + e2 + "x\r\n"},
        {"a two-octet character ending at 75", std::string(73, 'a') + e2 + "x",
         std::string(73, 'a') + e2 + "\r\n x\r\n"},
        {"a four-octet character at the fold", a74 + "\xF0\x9F\x8C\x85",
         a74 + "\r\n \xF0\x9F\x8C\x85\r\n"},
        {"a stray continuation octet is one character", a74 + "\x80\x80",
         a74 + "\x80\r\n \x80\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IcalFoldedLine(c.line), c.folded) << c.name;
    }
}

TEST(IcalWriter, UtcDateTimes) {
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {0, "19700101T000000Z"},
        {1718940720, "20240621T033200Z"},
        {1711843199, "20240330T235959Z"},
        {-1, "19691231T235959Z"},
        {253402300799, "99991231T235959Z"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IcalUtcDateTime(c.seconds), c.text) << "IcalUtcDateTime(" << c.seconds << ")";
    }
}

TEST(IcalWriter, CalendarLinesAreFoldedAndEndInCrlf) {
    IcalEvent event;
    event.uid = "20240621-fajr-41.8919N-12.5113E@tarvel";
    event.startUtcSeconds = 1718940720;
    event.summary = "Fajr";
    event.location = "Rome, Lazio, Italy";
    event.description = std::string(100, 'x');
    event.latitudeDeg = 41.89193;
    event.longitudeEastDeg = -12.5;
    const std::string text = IcalCalendarText("Tarvel: Rome", {event}, 0);
    EXPECT_EQ(text.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tarvel//tarvel-cli//EN\r\n", 0),
              0u)
        << text;
    for (const char* line :
         {"\r\nDTSTART:20240621T033200Z\r\n", "\r\nDTSTAMP:19700101T000000Z\r\n",
          "\r\nDURATION:PT0S\r\n", "\r\nLOCATION:Rome\\, Lazio\\, Italy\r\n",
          "\r\nGEO:41.891930;-12.500000\r\n", "\r\nEND:VCALENDAR\r\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos) << "a line without CRLF at " << start;
        EXPECT_LE(end - start, 75u) << text.substr(start, end - start);
        EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
        start = end + 2;
    }
}

}  // namespace
}  // namespace tarvel
