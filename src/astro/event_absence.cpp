#include "astro/event_absence.h"

#include "astro/solar_events.h"

namespace tarvel {

namespace {

// The absence of a rise or a set of one horizon, neither of which occurs or
// only one of which does.
EventAbsence HorizonAbsence(bool rises, bool sets, double daylightHours) {
    if (rises || sets) return EventAbsence::OtherDate;
    return daylightHours >= 24.0 ? EventAbsence::PolarDay : EventAbsence::PolarNight;
}

// Asr's altitude lies between the horizon and the upper culmination: a day
// with a rise or a set reaches it, a polar day does not go down to it.
EventAbsence AsrAbsence(const SolarResult& result) {
    const SolarResult::Occurrences& o = result.occurs;
    if (o.geometricRise || o.geometricSet) return EventAbsence::OtherDate;
    return result.geometricDaylight >= 24.0 ? EventAbsence::AltitudeNotReached
                                            : EventAbsence::PolarNight;
}

}  // namespace

EventAbsence AltitudeAbsence(double altitude, const SolarRequest& request,
                             const SolarResult& result) {
    return AltitudeReachedOnDay(altitude, result.declination, request.latitude)
               ? EventAbsence::OtherDate
               : EventAbsence::AltitudeNotReached;
}

EventAbsence NightAbsence(const SolarResult& result) {
    const SolarResult::Occurrences& o = result.occurs;
    if (o.apparentSet) return EventAbsence::OtherDate;
    return HorizonAbsence(o.apparentRise, o.apparentSet, result.apparentDaylight);
}

EventAbsence AbsenceOf(SolarEvent event, const SolarRequest& request, const SolarResult& result) {
    const SolarResult::Occurrences& o = result.occurs;
    const auto absentIf = [](bool occurs, EventAbsence why) {
        return occurs ? EventAbsence::None : why;
    };
    switch (event) {
        case SolarEvent::GeometricRise:
            return absentIf(o.geometricRise, HorizonAbsence(o.geometricRise, o.geometricSet,
                                                            result.geometricDaylight));
        case SolarEvent::GeometricSet:
            return absentIf(o.geometricSet, HorizonAbsence(o.geometricRise, o.geometricSet,
                                                           result.geometricDaylight));
        case SolarEvent::ApparentRise:
            return absentIf(o.apparentRise, HorizonAbsence(o.apparentRise, o.apparentSet,
                                                           result.apparentDaylight));
        case SolarEvent::ApparentSet:
            return absentIf(o.apparentSet, HorizonAbsence(o.apparentRise, o.apparentSet,
                                                          result.apparentDaylight));
        case SolarEvent::Transit:
            return absentIf(o.transit, EventAbsence::OtherDate);
        case SolarEvent::Fajr:
            return absentIf(o.fajr, AltitudeAbsence(request.fajrAngle, request, result));
        case SolarEvent::Isha:
            return absentIf(o.isha, AltitudeAbsence(request.ishaAngle, request, result));
        case SolarEvent::Asr1:
            return absentIf(o.asr1, AsrAbsence(result));
        case SolarEvent::Asr2:
            return absentIf(o.asr2, AsrAbsence(result));
        case SolarEvent::QiblaTime:
            return absentIf(o.qiblaTime, EventAbsence::QiblaNotPassed);
    }
    return EventAbsence::None;
}

}  // namespace tarvel
