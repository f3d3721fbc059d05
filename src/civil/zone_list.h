// The 40 fixed zones of the zone list (the window's, the table window's and
// the command line's --zone): offsets east of UTC in hours, summer time not
// included.
#pragma once

#include <array>

namespace tarvel {

// The offsets of the 40 zones, in list order.
extern const std::array<float, 40> kZoneListOffsets;

// Whether an offset is one of the list's.
bool IsListedZone(float zoneHours);

}  // namespace tarvel
