#include "civil/clock_state.h"

#include "civil/zone_request.h"

namespace tarvel {

void ClockState::FollowRules() {
    if (!rules) return;
    SolarRequest zone;
    resolved = SetRequestOnRules(zone, *rules, reading);
    zoneHours = zone.zoneHours;
    summerTime = zone.summerTime;
}

void ClockState::ApplyTo(SolarRequest& request) const {
    request.SetClockReading(reading);
    request.SetZone(zoneHours);
    request.summerTime = summerTime;
    if (rules) {
        // The instant the reading means on the zone's clock, with the zone
        // state in force then.
        request.SetClockReading(resolved.reading);
        SetRequestZone(request, resolved.state);
    }
}

}  // namespace tarvel
