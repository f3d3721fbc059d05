#include "format/result_texts.h"

#include <cmath>
#include <iterator>

#include "format/format_texts.h"

namespace tarvel {

namespace {

// Group boxes of the main window and their captions.
constexpr int kGroupSite = 1038;
constexpr int kGroupTime = 1037;
constexpr int kGroupEcliptic = 1039;
constexpr int kGroupGeocentric = 1040;
constexpr int kGroupTopocentric = 1041;
constexpr int kGroupHorizontal = 1042;
constexpr int kGroupGeometric = 1043;
constexpr int kGroupApparent = 1044;
constexpr int kGroupPrayers = 1054;

const char* GroupCaption(int groupId) {
    switch (groupId) {
        case kGroupSite:
            return "DATA, ORA E LOCALITA'";
        case kGroupTime:
            return "MISURE DEL TEMPO";
        case kGroupEcliptic:
            return "COORDINATE ECLITTICHE";
        case kGroupGeocentric:
            return "COORDINATE EQUATORIALI GEOCENTRICHE";
        case kGroupTopocentric:
            return "COORDINATE EQUATORIALI TOPOCENTRICHE";
        case kGroupHorizontal:
            return "COORDINATE ALTAZIMUTALI";
        case kGroupGeometric:
            return "VALORI GEOMETRICI";
        case kGroupApparent:
            return "VALORI APPARENTI";
        case kGroupPrayers:
            return "PREGHIERE ISLAMICHE";
    }
    return "";
}

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

}  // namespace

std::vector<ResultText> MainWindowResultTexts(const SolarRequest& request,
                                              const SolarResult& result) {
    const SolarResult& r = result;
    struct Field {
        int id;
        int groupId;
        const char* label;
        std::string text;
    };
    const Field fields[] = {
        {1009, kGroupSite, "DeltaT", FormatDeltaTShort(r.deltaT)},

        {1010, kGroupTime, "Julian day", FormatJulianDay(r.julianDay)},
        {1007, kGroupTime, "GMST", FormatTimeOfDay(r.gmst)},
        {1008, kGroupTime, "LMST", FormatTimeOfDay(r.lmst)},
        {1020, kGroupTime, "EdT", FormatEquationOfTime(r.equationOfTime)},
        {1021, kGroupTime, "differenza di longitudine",
         FormatLongitudeDifferenceTime(r.longitudeDifference)},
        {1027, kGroupTime, "ora media del fuso",
         FormatClockReading(request.hour, request.minute, request.second)},
        {1026, kGroupTime, "ora media locale", FormatTimeOfDay(r.meanLocalTime)},
        {1022, kGroupTime, "ora vera del fuso", FormatTimeOfDay(r.trueZoneTime)},
        {1023, kGroupTime, "ora vera locale", FormatTimeOfDay(r.trueLocalTime)},
        {1028, kGroupTime, "ora italica", FormatTimeOfDay(r.italianHours)},
        {1029, kGroupTime, "ora babilonese", FormatTimeOfDay(r.babylonianHours)},
        {1030, kGroupTime, "ora temporale", TemporalHoursText(request, r)},
        {1055, kGroupTime, "ore al tramonto", FormatTimeOfDay(r.hoursToSunset)},

        {1012, kGroupEcliptic, "latitudine", FormatEclipticAngle(r.eclipticLatitude)},
        {1013, kGroupEcliptic, "longitudine", FormatEclipticAngle(r.eclipticLongitude)},

        {1014, kGroupGeocentric, "AR", FormatRightAscension(r.rightAscension)},
        {1015, kGroupGeocentric, "declinazione", FormatHorizontalAngle(r.declination)},

        {1016, kGroupTopocentric, "AR", FormatRightAscension(r.topoRightAscension)},
        {1017, kGroupTopocentric, "declinazione", FormatHorizontalAngle(r.topoDeclination)},

        {1018, kGroupHorizontal, "azimut", FormatHorizontalAngle(r.azimuth)},
        {1019, kGroupHorizontal, "altezza", FormatHorizontalAngle(r.altitude)},
        {1024, kGroupHorizontal, "rifrazione", RefractionText(r)},
        {1025, kGroupHorizontal, "altezza con rifrazione",
         FormatHorizontalAngle(r.refractedAltitude)},

        {1031, kGroupGeometric, "sorge", FormatTimeOfDay(r.geometricRise)},
        {1056, kGroupGeometric, "azimut", FormatHorizontalAngle(r.geometricRiseAzimuth)},
        {1033, kGroupGeometric, "transita", FormatTimeOfDay(r.transit)},
        {1058, kGroupGeometric, "altezza", FormatHorizontalAngle(r.transitAltitude)},
        {1032, kGroupGeometric, "tramonta", FormatTimeOfDay(r.geometricSet)},
        {1057, kGroupGeometric, "azimut", FormatHorizontalAngle(r.geometricSetAzimuth)},
        {1045, kGroupGeometric, "ore di luce", FormatTimeOfDay(r.geometricDaylight)},

        {1034, kGroupApparent, "sorge", FormatTimeOfDay(r.apparentRise)},
        {1059, kGroupApparent, "azimut", FormatHorizontalAngle(r.apparentRiseAzimuth)},
        {1036, kGroupApparent, "transita", FormatTimeOfDay(r.transit)},
        {1064, kGroupApparent, "altezza",
         FormatHorizontalAngle(r.transitAltitude + r.transitRefraction)},
        {1035, kGroupApparent, "tramonta", FormatTimeOfDay(r.apparentSet)},
        {1060, kGroupApparent, "azimut", FormatHorizontalAngle(r.apparentSetAzimuth)},
        {1046, kGroupApparent, "ore di luce", FormatTimeOfDay(r.apparentDaylight)},

        {1047, kGroupPrayers, "Fajr", FormatTimeOfDay(r.fajr)},
        {1048, kGroupPrayers, "Zuhr", FormatTimeOfDay(r.transit)},
        {1049, kGroupPrayers, "Asr 1", FormatTimeOfDay(r.asr1)},
        {1050, kGroupPrayers, "Asr 2", FormatTimeOfDay(r.asr2)},
        {1051, kGroupPrayers, "Maghrib", FormatTimeOfDay(r.geometricSet)},
        {1052, kGroupPrayers, "Isha", FormatTimeOfDay(r.isha)},
        {1053, kGroupPrayers, "Qibla", FormatQiblaDirection(r.qiblaAzimuth)},
        {1065, kGroupPrayers, "ora Qibla", QiblaTimeText(r)},
    };

    std::vector<ResultText> texts;
    texts.reserve(std::size(fields));
    for (const Field& field : fields) {
        texts.push_back(
            {field.id, field.groupId, GroupCaption(field.groupId), field.label, field.text});
    }
    return texts;
}

}  // namespace tarvel
