// Zone rules from the system's tz database (IANA names such as "Europe/Rome"),
// read through the date/tz library; free of Qt, for the windows and the
// command-line tool alike.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "civil/zone_rules.h"

namespace tarvel {

// A zone looked up by name: its rules, or none with whether the database
// lists the zone but its file is damaged or unreadable (see zone_file.h).
struct FoundZone {
    std::shared_ptr<const ZoneRules> rules;
    bool damaged = false;
};

// The zone named (an IANA name, letter case as in the database). Its file is
// checked and its rules loaded here, so that rules returned never fail later.
FoundZone LookUpZone(std::string_view name);

// The rules of the zone named; nothing when the database has no such zone or
// its file is damaged or unreadable.
std::shared_ptr<const ZoneRules> FindZoneRules(std::string_view name);

// Every zone name of the system's tz database, sorted (links such as
// "Asia/Calcutta" left out).
std::vector<std::string> AllZoneNames();

// The standard offset and, when the zone keeps summer time that year, the
// summer offset of a year (the states at its first and its middle instant).
struct YearOffsets {
    long standardSeconds = 0;
    bool hasSummerTime = false;
    long summerSeconds = 0;
};
YearOffsets OffsetsOfYear(const ZoneRules& rules, int year);

// "UTC+1", "UTC-3:30", "UTC+5:45", "UTC-0:25:21", "UTC".
std::string UtcOffsetText(long offsetSeconds);

}  // namespace tarvel
