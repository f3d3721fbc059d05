// iCalendar text (RFC 5545) written by hand: the content lines of a calendar
// of events that are instants, each line ended by CRLF and folded at 75
// octets. Free of Qt and of the rest of the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

// A TEXT value escaped: "\" as "\\", ";" as "\;", "," as "\,", a line break
// (LF, or CR LF) as "\n". Other characters, UTF-8 included, stay as they are.
std::string IcalEscapedText(std::string_view text);

// One content line, folded: the line as runs of at most 75 octets, each run
// after the first starting with one blank, the runs joined by CRLF, the
// whole ended by CRLF. A run never ends inside a UTF-8 sequence (a malformed
// byte counts as a character of its own).
std::string IcalFoldedLine(std::string_view line);

// An instant as an iCalendar UTC date-time: seconds since 1970-01-01 00:00
// UTC as "20240621T031200Z" (years 1 to 9999; proleptic Gregorian).
std::string IcalUtcDateTime(std::int64_t utcSeconds);

// One event that is an instant: DTSTART at the instant, DURATION:PT0S.
struct IcalEvent {
    std::string uid;
    std::int64_t startUtcSeconds = 0;
    std::string summary;      // plain text, escaped when written
    std::string location;     // plain text
    std::string description;  // plain text; may hold line breaks
    double latitudeDeg = 0;   // GEO: degrees, positive north
    double longitudeEastDeg = 0;  // GEO: degrees, positive EAST
};

// The calendar: VCALENDAR with VERSION 2.0, PRODID "-//Tarvel//tarvel-cli//EN",
// CALSCALE GREGORIAN, METHOD PUBLISH and X-WR-CALNAME calendarName, then a
// VEVENT per event in the order given, each with UID, DTSTAMP (stampUtcSeconds),
// DTSTART, DURATION:PT0S, SUMMARY, LOCATION, DESCRIPTION, GEO (six decimals)
// and TRANSP:TRANSPARENT (an instant takes no time of the day). Every line
// folded by IcalFoldedLine.
std::string IcalCalendarText(std::string_view calendarName, const std::vector<IcalEvent>& events,
                             std::int64_t stampUtcSeconds);

}  // namespace tarvel
