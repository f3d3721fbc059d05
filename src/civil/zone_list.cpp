#include "civil/zone_list.h"

#include <algorithm>

namespace tarvel {

const std::array<float, 40> kZoneListOffsets = {
    -11.0f, -10.0f, -9.5f, -9.0f, -8.0f, -7.0f, -6.0f, -5.0f,  -4.5f, -4.0f,
    -3.5f,  -3.0f,  -2.0f, -1.0f, 0.0f,  1.0f,  2.0f,  3.0f,   3.5f,  4.0f,
    4.5f,   5.0f,   5.5f,  5.75f, 6.0f,  6.5f,  7.0f,  8.0f,   8.5f,  8.75f,
    9.0f,   9.5f,   10.0f, 10.5f, 11.0f, 11.5f, 12.0f, 12.75f, 13.0f, 14.0f,
};

bool IsListedZone(float zoneHours) {
    return std::find(kZoneListOffsets.begin(), kZoneListOffsets.end(), zoneHours) !=
           kZoneListOffsets.end();
}

}  // namespace tarvel
