// The fixed list of 40 time zones of the main window's zone list.
#pragma once

#include <array>

namespace tarvel {

// One entry of the zone list: the text shown (the Italian built-in label,
// UTF-8). Its offset from UTC, hours east positive, is kZoneListOffsets at
// the same index (table/table_parameters.h): the window and the table share
// one list of zones.
struct TimeZoneEntry {
    const char* label;
};

inline constexpr int kTimeZoneCount = 40;

// The zones in list order (not sorted by the control).
extern const std::array<TimeZoneEntry, kTimeZoneCount> kTimeZoneEntries;

// Index of the zone to select for the system's standard offset (hours east of
// UTC, summer time not included): the first entry whose offset is greater than
// or equal to it, so an offset between two entries selects the next higher one.
// An offset beyond the last entry (+14 h) selects the last entry.
int SystemZoneIndex(double standardOffsetHoursEast);

}  // namespace tarvel
