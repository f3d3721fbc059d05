// The clock of the main window's inputs, free of any window: a clock reading
// with either the zone of the list and the summer box as the user set them
// (the documented manual entry), or a zone's rules, under which the zone and
// the summer state follow the reading.
//
// Given:    the reading of the date and time pickers; the zone list's offset
//           and the summer box, or a zone's rules.
// Returned: the computation's clock reading and zone (ApplyTo); under rules
//           the reading resolved on the zone's clock (a skipped reading moved
//           just after the change, a repeated one at its first occurrence)
//           and the zone list's offset and summer box the state then gives.
// Notes:    the zone list shows the standard offset, the box whether the
//           clock is ahead of it (SetRequestZone).
#pragma once

#include <memory>

#include "astro/clock_reading.h"
#include "astro/solar_computation.h"
#include "civil/zone_rules.h"

namespace tarvel {

struct ClockState {
    ClockReading reading;                    // the pickers
    float zoneHours = 0;                     // the zone list's offset, east of UTC
    bool summerTime = false;                 // the summer box
    std::shared_ptr<const ZoneRules> rules;  // a zone by name, or none
    ResolvedReading resolved;                // the reading on the rules' clock

    bool UnderRules() const { return rules != nullptr; }

    // Under rules: resolves the reading and sets the zone list's offset and
    // the summer box from the state in force then. Nothing without rules.
    void FollowRules();

    // Sets the request's clock reading and zone: the reading, the list's zone
    // and the box; under rules, the resolved reading with the rules' standard
    // offset and real summer shift.
    void ApplyTo(SolarRequest& request) const;
};

}  // namespace tarvel
