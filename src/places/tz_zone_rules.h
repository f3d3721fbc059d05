// Zone rules from the system's tz database (IANA names such as "Europe/Rome"),
// read through the date/tz library; free of Qt, for the windows and the
// command-line tool alike.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "table/zone_rules.h"

namespace tarvel {

// The rules of the zone named (an IANA name, letter case as in the database);
// nothing when the database has no such zone.
std::shared_ptr<const ZoneRules> FindZoneRules(std::string_view name);

// "UTC+1", "UTC-3:30", "UTC+5:45", "UTC-0:25:21", "UTC".
std::string UtcOffsetText(long offsetSeconds);

}  // namespace tarvel
