#include "cli/ical_writer.h"

#include <date/date.h>

#include <chrono>
#include <cstdio>

#include "format/printf_text.h"

namespace tarvel {

namespace {

constexpr std::size_t kFoldOctets = 75;

// The number of octets of the UTF-8 sequence that begins with lead; 1 for a
// byte that cannot begin one.
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
    if (lead >= 0xC2) return 2;
    return 1;
}

// Whether the octets of line from at on form a UTF-8 sequence of length n.
bool IsSequence(std::string_view line, std::size_t at, std::size_t n) {
    if (at + n > line.size()) return false;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(line[at + i]) & 0xC0) != 0x80) return false;
    }
    return true;
}

}  // namespace

std::string IcalEscapedText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        switch (c) {
            case '\\':
                escaped += "\\\\";
                break;
            case ';':
                escaped += "\\;";
                break;
            case ',':
                escaped += "\\,";
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
                escaped += "\\n";
                break;
            case '\n':
                escaped += "\\n";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

std::string IcalFoldedLine(std::string_view line) {
    std::string folded;
    std::size_t runOctets = 0;
    std::size_t limit = kFoldOctets;  // the first run; later ones hold the blank too
    for (std::size_t at = 0; at < line.size();) {
        std::size_t n = SequenceLength(static_cast<unsigned char>(line[at]));
        if (n > 1 && !IsSequence(line, at, n)) n = 1;
        if (runOctets + n > limit) {
            folded += "\r\n ";
            runOctets = 1;
        }
        folded.append(line.substr(at, n));
        runOctets += n;
        at += n;
    }
    return folded + "\r\n";
}

std::string IcalUtcDateTime(std::int64_t utcSeconds) {
    using namespace std::chrono;
    const sys_seconds instant{seconds{utcSeconds}};
    const sys_days day = floor<days>(instant);
    const date::year_month_day ymd{day};
    const date::hh_mm_ss<seconds> time{instant - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02d%02d%02dZ", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
                  static_cast<int>(time.seconds().count()));
    return text;
}

std::string IcalCalendarText(std::string_view calendarName, const std::vector<IcalEvent>& events,
                             std::int64_t stampUtcSeconds) {
    std::string text;
    const auto line = [&text](std::string_view name, std::string_view value) {
        text += IcalFoldedLine(std::string(name) + ":" + std::string(value));
    };
    line("BEGIN", "VCALENDAR");
    line("VERSION", "2.0");
    line("PRODID", "-//Tarvel//tarvel-cli//EN");
    line("CALSCALE", "GREGORIAN");
    line("METHOD", "PUBLISH");
    line("X-WR-CALNAME", IcalEscapedText(calendarName));
    const std::string stamp = IcalUtcDateTime(stampUtcSeconds);
    for (const IcalEvent& e : events) {
        line("BEGIN", "VEVENT");
        line("UID", e.uid);
        line("DTSTAMP", stamp);
        line("DTSTART", IcalUtcDateTime(e.startUtcSeconds));
        line("DURATION", "PT0S");
        line("SUMMARY", IcalEscapedText(e.summary));
        line("LOCATION", IcalEscapedText(e.location));
        line("DESCRIPTION", IcalEscapedText(e.description));
        line("GEO", PrintfText("%.6f;%.6f", e.latitudeDeg, e.longitudeEastDeg));
        line("TRANSP", "TRANSPARENT");
        line("END", "VEVENT");
    }
    line("END", "VCALENDAR");
    return text;
}

}  // namespace tarvel
