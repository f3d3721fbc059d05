#include "format/result_texts.h"

#include <cmath>
#include <stdexcept>

#include "astro/result_fields.h"
#include "format/format_texts.h"

namespace tarvel {

namespace {

// Temporal hours: shown only below the polar circles and only when defined.
std::string TemporalHoursText(const SolarRequest& request, const SolarResult& result) {
    if (std::fabs(request.latitude) >= kTemporalHoursLatitudeLimit ||
        std::isnan(result.temporalHours)) {
        return kUndefinedTimeText;
    }
    return FormatTimeOfDay(result.temporalHours);
}

// Refraction in arcminutes, 0 when the refracted altitude is below the horizon.
std::string RefractionText(const SolarResult& result) {
    const double arcminutes = result.refractedAltitude >= 0.0 ? result.refraction * 60.0 : 0.0;
    return FormatRefraction(arcminutes);
}

std::string QiblaTimeText(const SolarResult& result) {
    if (result.qiblaTime < 0.0) {
        return kNoEventTimeText;
    }
    return FormatTimeOfDay(result.qiblaTime);
}

// The absence of a rise or a set of one horizon.
EventAbsence HorizonEventAbsence(bool rises, bool sets, double daylight) {
    if (rises || sets) {
        return EventAbsence::OtherDate;
    }
    return daylight >= 24.0 ? EventAbsence::PolarDay : EventAbsence::PolarNight;
}

// The absence of a prayer at a fixed altitude (degrees) of the Sun.
EventAbsence AltitudeEventAbsence(double altitude, const SolarRequest& request,
                                  const SolarResult& result) {
    const double highest = 90.0 - std::fabs(request.latitude - result.declination);
    const double lowest = std::fabs(request.latitude + result.declination) - 90.0;
    return altitude > highest || altitude < lowest ? EventAbsence::AltitudeNotReached
                                                   : EventAbsence::OtherDate;
}

// The absence of an Asr prayer: its altitude lies between the horizon and
// the upper culmination, so only a day without a rise and a set can lack it.
EventAbsence AsrAbsence(const SolarResult& result) {
    const SolarResult::Occurrences& o = result.occurs;
    if (o.geometricRise || o.geometricSet) {
        return EventAbsence::OtherDate;
    }
    return result.geometricDaylight >= 24.0 ? EventAbsence::AltitudeNotReached
                                            : EventAbsence::PolarNight;
}

}  // namespace

EventAbsence AbsenceOf(ResultTextField field, const SolarRequest& request,
                       const SolarResult& result) {
    using F = ResultTextField;
    const SolarResult::Occurrences& o = result.occurs;
    const auto absentIf = [](bool occurs, EventAbsence why) {
        return occurs ? EventAbsence::None : why;
    };
    switch (field) {
        case F::GeometricRise:
        case F::GeometricRiseAzimuth:
            return absentIf(o.geometricRise, HorizonEventAbsence(o.geometricRise, o.geometricSet,
                                                                 result.geometricDaylight));
        case F::GeometricSet:
        case F::GeometricSetAzimuth:
        case F::Maghrib:
            return absentIf(o.geometricSet, HorizonEventAbsence(o.geometricRise, o.geometricSet,
                                                                result.geometricDaylight));
        case F::ApparentRise:
        case F::ApparentRiseAzimuth:
            return absentIf(o.apparentRise, HorizonEventAbsence(o.apparentRise, o.apparentSet,
                                                                result.apparentDaylight));
        case F::ApparentSet:
        case F::ApparentSetAzimuth:
            return absentIf(o.apparentSet, HorizonEventAbsence(o.apparentRise, o.apparentSet,
                                                               result.apparentDaylight));
        case F::GeometricTransit:
        case F::GeometricTransitAltitude:
        case F::ApparentTransit:
        case F::ApparentTransitAltitude:
        case F::Zuhr:
            return absentIf(o.transit, EventAbsence::OtherDate);
        case F::Fajr:
            return absentIf(o.fajr, AltitudeEventAbsence(request.fajrAngle, request, result));
        case F::Isha:
            return absentIf(o.isha, AltitudeEventAbsence(request.ishaAngle, request, result));
        case F::Asr1:
            return absentIf(o.asr1, AsrAbsence(result));
        case F::Asr2:
            return absentIf(o.asr2, AsrAbsence(result));
        case F::QiblaTime:
            return absentIf(o.qiblaTime, EventAbsence::QiblaNotPassed);
        default:
            return EventAbsence::None;
    }
}

std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result,
                                              const ResultTextOptions& options) {
    using F = ResultTextField;
    const SolarResult& r = result;
    std::vector<ResultText> texts = {
        {F::DeltaT, FormatDeltaTShort(r.deltaT)},

        {F::JulianDay, FormatJulianDay(r.julianDay)},
        {F::Gmst, FormatTimeOfDay(r.gmst)},
        {F::Lmst, FormatTimeOfDay(r.lmst)},
        {F::EquationOfTime, FormatEquationOfTime(r.equationOfTime)},
        {F::LongitudeDifference, FormatLongitudeDifferenceTime(r.longitudeDifference)},
        {F::MeanZoneTime, FormatClockReading(request.hour, request.minute, request.second)},
        {F::MeanLocalTime, FormatTimeOfDay(r.meanLocalTime)},
        {F::TrueZoneTime, FormatTimeOfDay(r.trueZoneTime)},
        {F::TrueLocalTime, FormatTimeOfDay(r.trueLocalTime)},
        {F::ItalianHours, FormatTimeOfDay(r.italianHours)},
        {F::BabylonianHours, FormatTimeOfDay(r.babylonianHours)},
        {F::TemporalHours, TemporalHoursText(request, r)},
        {F::HoursToSunset, FormatTimeOfDay(r.hoursToSunset)},

        {F::EclipticLatitude, FormatEclipticAngle(r.eclipticLatitude)},
        {F::EclipticLongitude, FormatEclipticAngle(r.eclipticLongitude)},

        {F::RightAscension, FormatRightAscension(r.rightAscension)},
        {F::Declination, FormatHorizontalAngle(r.declination)},

        {F::TopoRightAscension, FormatRightAscension(r.topoRightAscension)},
        {F::TopoDeclination, FormatHorizontalAngle(r.topoDeclination)},

        {F::Azimuth, FormatHorizontalAngle(r.azimuth)},
        {F::Altitude, FormatHorizontalAngle(r.altitude)},
        {F::Refraction, RefractionText(r)},
        {F::RefractedAltitude, FormatHorizontalAngle(r.refractedAltitude)},

        {F::GeometricRise, FormatTimeOfDay(r.geometricRise)},
        {F::GeometricRiseAzimuth, FormatHorizontalAngle(r.geometricRiseAzimuth)},
        {F::GeometricTransit, FormatTimeOfDay(r.transit)},
        {F::GeometricTransitAltitude, FormatHorizontalAngle(r.transitAltitude)},
        {F::GeometricSet, FormatTimeOfDay(r.geometricSet)},
        {F::GeometricSetAzimuth, FormatHorizontalAngle(r.geometricSetAzimuth)},
        {F::GeometricDaylight, FormatTimeOfDay(r.geometricDaylight)},

        {F::ApparentRise, FormatTimeOfDay(r.apparentRise)},
        {F::ApparentRiseAzimuth, FormatHorizontalAngle(r.apparentRiseAzimuth)},
        {F::ApparentTransit, FormatTimeOfDay(r.transit)},
        {F::ApparentTransitAltitude,
         FormatHorizontalAngle(FieldOf(ResultFieldId::ApparentTransitAltitude).value(r))},
        {F::ApparentSet, FormatTimeOfDay(r.apparentSet)},
        {F::ApparentSetAzimuth, FormatHorizontalAngle(r.apparentSetAzimuth)},
        {F::ApparentDaylight, FormatTimeOfDay(r.apparentDaylight)},

        {F::Fajr, FormatTimeOfDay(r.fajr)},
        {F::Zuhr, FormatTimeOfDay(r.transit)},
        {F::Asr1, FormatTimeOfDay(r.asr1)},
        {F::Asr2, FormatTimeOfDay(r.asr2)},
        {F::Maghrib, FormatTimeOfDay(r.geometricSet)},
        {F::Isha, FormatTimeOfDay(r.isha)},
        {F::Qibla, FormatQiblaDirection(r.qiblaAzimuth, options.east, options.west)},
        {F::QiblaTime, QiblaTimeText(r)},
    };
    for (ResultText& t : texts) {
        t.absence = AbsenceOf(t.field, request, result);
        if (options.dashAbsentEvents && t.absence != EventAbsence::None &&
            t.field != F::QiblaTime) {
            t.text = kAbsentEventText;
        }
    }
    return texts;
}

const std::string& TextOf(const std::vector<ResultText>& texts, ResultTextField field) {
    for (const ResultText& t : texts) {
        if (t.field == field) return t.text;
    }
    throw std::out_of_range("TextOf: no text for the field");
}

}  // namespace tarvel
